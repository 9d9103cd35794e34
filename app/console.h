#pragma once

#include <QString>

namespace vrc::app {

// Shows text that answers the command line where the user who typed it sees it:
// standard output, or standard error for a complaint. Returns false when it could
// not be written. One source file per platform implements it.
bool WriteToConsole(const QString &text, bool complaint);

} // namespace vrc::app
