#include "app/command_line.h"

#include "app/command_line_calculation.h"
#include "app/console.h"
#include "runtime/runtime_error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <vrc_version.h>

namespace vrc::app {

namespace {

constexpr int kEntryErrorExitStatus = 1;
constexpr int kUsageExitStatus = 2;

// The options QGuiApplication, QApplication and the xcb platform take out of argv
// themselves (Qt 6.4): they must pass here so that they keep working.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true},
    {"qwindowtitle", true},    {"title", true},
    {"qwindowicon", true},     {"icon", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"display", true},         {"name", true},
    {"visual", true},          {"reverse", false},
    {"testability", false},    {"widgetcount", false},
    {"qdevel", false},         {"qdebug", false},
    {"nograb", false},         {"dograb", false},
};

QString HelpText() {
    return QCoreApplication::translate(
               "vrc::app::CommandLine",
               "Usage: %1 [OPTION]...\n"
               "Work out each team player's rating after a win and after a loss.\n"
               "Without ratings the program opens its About window, then the calculator;\n"
               "with them it prints the results and opens no window.\n"
               "\n"
               "  -t, --team RATING      a rating of your team; up to three, in row order\n"
               "  -o, --opponent RATING  an opponent's rating; up to three, in row order\n"
               "      --json             print the results as one JSON object\n"
               "  -h, --help             show this help and exit\n"
               "  -v, --version          show the version and exit\n"
               "\n"
               "One rating per option, read as the calculator reads it (your locale's\n"
               "decimal separator, blanks, a sign, an exponent); an empty one leaves its\n"
               "row empty. Example:\n"
               "  %1 -t 500 -t 600 -o 550 -o 650 -o 700\n"
               "Exit status: 0 for results, 1 for ratings the calculator would refuse,\n"
               "2 for a command line that cannot be read.\n"
               "\n"
               "Qt's own options, such as -platform and -style, are accepted too.\n")
               .arg(CommandName()) +
           FurtherHelp();
}

CommandLineAnswer Refuse(const QString &problem) {
    return {CommandLineAnswer::Action::Refuse,
            QStringLiteral("%1: %2\n").arg(CommandName(), problem) +
                QCoreApplication::translate("vrc::app::CommandLine",
                                            "Try '%1 --help' for more information.\n")
                    .arg(CommandName())};
}

// Names an unknown option as the user typed it ("--colour", where Qt says "colour").
QString ParseProblem(const QCommandLineParser &parser, const QStringList &arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        QString problem = parser.errorText();
        if (problem.endsWith(u'.')) {
            problem.chop(1);
        }
        // Qt's "Missing value after '-t'" among our lower-case complaints, in English only:
        // elsewhere Qt's capitals stay (German nouns keep theirs).
        const bool inEnglish =
            QCoreApplication::translate("vrc::app::CommandLine", "unknown option '%1'") ==
            QLatin1String("unknown option '%1'");
        if (inEnglish && !problem.isEmpty()) {
            problem[0] = problem.at(0).toLower();
        }
        return problem;
    }
    QString typed = unknown.constFirst();
    for (const QString &argument : arguments.mid(1)) {
        const QString option = argument.section(u'=', 0, 0);
        const qsizetype dashes = option.startsWith(u"--") ? 2 : 1;
        if (option.startsWith(u'-') && option.mid(dashes) == unknown.constFirst()) {
            typed = option;
            break;
        }
    }
    return QCoreApplication::translate("vrc::app::CommandLine", "unknown option '%1'").arg(typed);
}

// Ratings on the command line: the window's engine, answered in the window's words.
CommandLineAnswer AnswerRatings(const QStringList &team, const QStringList &opponents,
                                ResultFormat format, const QLocale &locale) {
    engine::RatingEntrySet entries;
    std::copy(team.cbegin(), team.cend(), entries.team.begin());
    std::copy(opponents.cbegin(), opponents.cend(), entries.opponents.begin());
    CalculationAnswer answer;
    try {
        answer = Calculate(entries, format, locale);
    } catch (const runtime::RuntimeError &error) {
        // Unreachable with in-range ratings; reported as the window reports faults.
        answer = {
            true,
            QCoreApplication::translate("vrc::app::CommandLine", "Run-time error '%1': %2\n")
                .arg(error.number())
                .arg(QCoreApplication::translate("vrc::runtime::FaultBoundary", error.what()))};
    }
    if (answer.refused) {
        return {CommandLineAnswer::Action::RefuseEntries,
                QStringLiteral("%1: %2").arg(CommandName(), answer.text)};
    }
    return {CommandLineAnswer::Action::ShowResults, answer.text};
}

} // namespace

CommandLineAnswer ReadCommandLine(const QStringList &arguments, const QLocale &locale) {
    QCommandLineParser parser;
    // Qt's options are single-dash words; "-platform" is not seven one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption team(QStringList{QStringLiteral("t"), QStringLiteral("team")},
                                  QString(), QStringLiteral("rating"));
    const QCommandLineOption opponent(QStringList{QStringLiteral("o"), QStringLiteral("opponent")},
                                      QString(), QStringLiteral("rating"));
    const QCommandLineOption json(QStringLiteral("json"));
    parser.addOptions({help, version, team, opponent, json});
    for (const QtOption &qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) {
            option.setValueName(QStringLiteral("value"));
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        return Refuse(ParseProblem(parser, arguments));
    }
    QStringList extra = parser.positionalArguments();
    const bool platformHelp = extra.removeIf(IsPlatformHelpRequest) > 0;
    if (parser.isSet(help) || platformHelp) {
        return {CommandLineAnswer::Action::ShowHelp, HelpText()};
    }
    if (parser.isSet(version)) {
        return {CommandLineAnswer::Action::ShowVersion,
                QStringLiteral("%1 %2\n").arg(QString::fromLatin1(identity::kCommandName),
                                              QString::fromLatin1(identity::kFullVersion))};
    }
    // The program opens no files: a stray word is more likely a mistyped option.
    if (!extra.isEmpty()) {
        return Refuse(
            QCoreApplication::translate("vrc::app::CommandLine", "unexpected argument '%1'")
                .arg(extra.constFirst()));
    }

    const QStringList teamRatings = parser.values(team);
    const QStringList opponentRatings = parser.values(opponent);
    if (teamRatings.size() > engine::kRows) {
        return Refuse(QCoreApplication::translate("vrc::app::CommandLine",
                                                  "at most %1 team ratings (-t, --team)")
                          .arg(engine::kRows));
    }
    if (opponentRatings.size() > engine::kRows) {
        return Refuse(QCoreApplication::translate("vrc::app::CommandLine",
                                                  "at most %1 opponent ratings (-o, --opponent)")
                          .arg(engine::kRows));
    }
    const bool ratingsGiven = parser.isSet(team) || parser.isSet(opponent);
    if (!ratingsGiven) {
        if (parser.isSet(json)) {
            return Refuse(QCoreApplication::translate("vrc::app::CommandLine",
                                                      "--json needs ratings (-t, -o)"));
        }
        return {};
    }
    return AnswerRatings(teamRatings, opponentRatings,
                         parser.isSet(json) ? ResultFormat::Json : ResultFormat::Table, locale);
}

int PrintCommandLineAnswer(const CommandLineAnswer &answer) {
    using Action = CommandLineAnswer::Action;
    const bool complaint =
        answer.action == Action::Refuse || answer.action == Action::RefuseEntries;
    const bool written = WriteToConsole(answer.text, complaint);
    if (answer.action == Action::Refuse) {
        return kUsageExitStatus;
    }
    if (answer.action == Action::RefuseEntries) {
        return kEntryErrorExitStatus;
    }
    // `--help > /dev/full` must not look like success.
    return written ? 0 : 1;
}

} // namespace vrc::app
