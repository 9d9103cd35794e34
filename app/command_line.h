#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace vrc::app {

// What the command line asks for. Everything but Run is answered without a window.
struct CommandLineAnswer {
    enum class Action { Run, ShowHelp, ShowVersion, ShowResults, RefuseEntries, Refuse };
    Action action = Action::Run;
    // The help, version or results, or for a refusal the message naming what was wrong.
    QString text;
};

// Reads the arguments as main() got them (the first is the program). Qt's own options
// (-platform, -style, ...) are let through for the application object to act on.
// Ratings are read in `locale`, as the window reads them.
CommandLineAnswer ReadCommandLine(const QStringList &arguments, const QLocale &locale = QLocale());

// Prints an answer other than Run where a terminal user sees it and returns the exit
// status: 0 for help, version and results, 1 for refused ratings or when the answer
// could not be written, 2 for a refused command line.
int PrintCommandLineAnswer(const CommandLineAnswer &answer);

} // namespace vrc::app
