#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace vrc::app {

// How the command line meets its user on this platform. One source file per platform
// implements it.

// The program's arguments, the first naming the program, as the platform gave them: on
// Windows the UTF-16 command line, which `argv` holds only through the ANSI code page.
QStringList ProgramArguments(int argc, char *argv[]);

// Shows text that answers the command line where the user who typed it sees it:
// standard output, or standard error for a complaint. Returns false when it could
// not be written.
bool WriteToConsole(const QString &text, bool complaint);

// The command as users of this platform type it.
QString CommandName();

// The last line of the help: where the keys, the messages and the rule are told.
QString FurtherHelp();

// Whether an argument asks for help the way this platform's own programs are asked
// ("/?" on Windows), beside --help.
bool IsPlatformHelpRequest(QStringView argument);

} // namespace vrc::app
