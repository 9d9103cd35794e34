#pragma once

namespace vrc::runtime {

// Keys that reach a window blocked by a modal one (typed ahead while a
// message box or dialog is coming up) go to that modal window instead of
// being dropped, as Qt would. Safe to call more than once; the
// application object must exist.
void ForwardTypeAheadToModalWindow();

} // namespace vrc::runtime
