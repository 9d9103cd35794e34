#pragma once

namespace vrc::app {

// Gives screen readers the windows' own accessible interfaces. Runs before
// any window exists: Qt keeps the first interface it makes for an object.
void InstallAccessibility();

} // namespace vrc::app
