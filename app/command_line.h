#pragma once

#include <QString>
#include <QStringList>

namespace vrc::app {

// What the command line asks for. Everything but Run is answered without a window.
struct CommandLineAnswer {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    // The help or version text, or for Refuse the message naming what was wrong.
    QString text;
};

// Reads the arguments as main() got them (the first is the program). Qt's own options
// (-platform, -style, ...) are let through for the application object to act on.
CommandLineAnswer ReadCommandLine(const QStringList &arguments);

// Prints an answer other than Run where a terminal user sees it and returns the exit
// status: 0 for help and version, 2 for a refused command line.
int PrintCommandLineAnswer(const CommandLineAnswer &answer);

} // namespace vrc::app
