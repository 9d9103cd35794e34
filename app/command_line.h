#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace vrc::app {

// What the command line asks for, read once, before any application object or translator
// exists. It holds no text for the user: the answer is worded once the translators are in.
struct CommandLineRequest {
    enum class Action { Run, ShowHelp, ShowVersion, Calculate, Refuse };
    // Why a command line is refused; `subject` is the word of it concerned, as typed.
    enum class Problem {
        None,
        UnknownOption,
        MissingValue,
        UnexpectedValue,
        UnexpectedArgument,
        TooManyTeamRatings,
        TooManyOpponentRatings,
        JsonWithoutRatings,
        Other, // Qt's parser's own words, in `subject`
    };
    Action action = Action::Run;
    QStringList team;
    QStringList opponents;
    bool json = false;
    Problem problem = Problem::None;
    QString subject;

    // Everything but Run is answered without a window.
    [[nodiscard]] bool AnswersWithoutWindow() const { return action != Action::Run; }
};

// The answer to a request, worded in the installed translation.
struct CommandLineAnswer {
    enum class Action { Run, ShowHelp, ShowVersion, ShowResults, RefuseEntries, Refuse };
    Action action = Action::Run;
    // The help, version or results, or for a refusal the message naming what was wrong.
    QString text;
};

// Reads the arguments as the platform gave them (the first is the program). Qt's own
// options (-platform, -style, ...) are let through for the application object to act on.
// A short option takes its value glued to it too ("-t500"), as getopt programs do.
[[nodiscard]] CommandLineRequest ReadCommandLine(const QStringList &arguments);

// Words the answer in the installed translation. Ratings are read in `locale`, as the
// window reads them; in a right-to-left `direction` each table cell and option name is
// isolated, so that a terminal applying the bidirectional algorithm keeps them apart.
[[nodiscard]] CommandLineAnswer AnswerCommandLine(const CommandLineRequest &request,
                                                  const QLocale &locale = QLocale(),
                                                  Qt::LayoutDirection direction = Qt::LeftToRight);

// Prints an answer other than Run where a terminal user sees it and returns the exit
// status: 0 for help, version and results, 1 for refused ratings or when the answer
// could not be written, 2 for a refused command line.
int PrintCommandLineAnswer(const CommandLineAnswer &answer);

} // namespace vrc::app
