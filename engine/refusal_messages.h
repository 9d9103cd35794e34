#pragma once

#include "engine/entry_validation.h"

#include <QString>

namespace vrc::engine {

// What the user is told when a calculation is refused, in the same words in
// the window and on the command line.
[[nodiscard]] QString EntryErrorMessage(EntryProblem problem);
// A new rating would leave -32768..32767.
[[nodiscard]] QString NewRatingOutOfRangeMessage();

} // namespace vrc::engine
