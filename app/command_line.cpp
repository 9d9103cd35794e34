#include "app/command_line.h"

#include "app/command_line_calculation.h"
#include "app/console.h"
#include "runtime/runtime_error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <vrc_version.h>

namespace vrc::app {

namespace {

constexpr int kEntryErrorExitStatus = 1;
constexpr int kUsageExitStatus = 2;

using Problem = CommandLineRequest::Problem;

// Qt's parser words the problems it finds itself in its own context; worded again here,
// once the translators are in, from the same source texts.
constexpr char kQtParserContext[] = "QCommandLineParser";
constexpr char kMissingValue[] = "Missing value after '%1'.";
constexpr char kUnexpectedValue[] = "Unexpected value after '%1'.";

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

// Our options and Qt's, as the parser knows them: ours first, in the order ReadCommandLine
// takes them.
QList<QCommandLineOption> Options() {
    QList<QCommandLineOption> options{
        QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}),
        QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")}),
        QCommandLineOption(QStringList{QStringLiteral("t"), QStringLiteral("team")}, QString(),
                           QStringLiteral("rating")),
        QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("opponent")}, QString(),
                           QStringLiteral("rating")),
        QCommandLineOption(QStringLiteral("json"))};
    for (const QtOption &qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) {
            option.setValueName(QStringLiteral("value"));
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options << option;
    }
    return options;
}

// getopt's glued form of a short option's value: "-t500" is "-t 500". A single-dash word
// that names an option itself (-title, -team) stays whole, and so does an option's value.
QStringList Unglued(const QStringList &arguments, const QList<QCommandLineOption> &options) {
    const auto find = [&](const QString &name) {
        return std::find_if(options.cbegin(), options.cend(),
                            [&](const QCommandLineOption &o) { return o.names().contains(name); });
    };
    QStringList unglued{arguments.value(0)};
    bool isValue = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (isValue) {
            unglued << argument;
            isValue = false;
            continue;
        }
        if (argument == u"--") {
            unglued << arguments.mid(i);
            break;
        }
        const bool singleDash = argument.startsWith(u'-') && !argument.startsWith(u"--");
        const QString name = argument.mid(singleDash ? 1 : 2).section(u'=', 0, 0);
        const auto option = find(name);
        if (argument.startsWith(u'-') && option != options.cend()) {
            isValue = !option->valueName().isEmpty() && !argument.contains(u'=');
            unglued << argument;
            continue;
        }
        const auto shortOption =
            singleDash && argument.size() > 2 ? find(argument.mid(1, 1)) : options.cend();
        if (shortOption != options.cend() && !shortOption->valueName().isEmpty()) {
            unglued << argument.left(2) << argument.mid(2);
            continue;
        }
        unglued << argument;
    }
    return unglued;
}

CommandLineRequest Refusal(Problem problem, const QString &subject = QString()) {
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::Refuse;
    request.problem = problem;
    request.subject = subject;
    return request;
}

// What the parser found wrong. An unknown option is named as the user typed it
// ("--colour", where Qt says "colour"); Qt's own complaints are told apart by matching
// its words as it worded them just now.
CommandLineRequest ParseProblem(const QCommandLineParser &parser, const QStringList &arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        const QString error = parser.errorText();
        for (const auto &[problem, words] :
             {std::pair{Problem::MissingValue, kMissingValue},
              std::pair{Problem::UnexpectedValue, kUnexpectedValue}}) {
            QString pattern =
                QRegularExpression::escape(QCoreApplication::translate(kQtParserContext, words));
            pattern.replace(QRegularExpression::escape(QStringLiteral("%1")),
                            QStringLiteral("(.*)"));
            const QRegularExpressionMatch match =
                QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(error);
            if (match.hasMatch()) {
                return Refusal(problem, match.captured(1));
            }
        }
        return Refusal(Problem::Other, error);
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
    return Refusal(Problem::UnknownOption, typed);
}

// Each option name isolated: in the help's option list the whole name column, with its
// value name; elsewhere each name where it stands, and the example command.
QString IsolateOptionNames(const QString &text) {
    static const QRegularExpression column(QStringLiteral(R"(^(\s+)(-\S.*?)(\s{2,}\S.*)$)"));
    static const QRegularExpression name(QStringLiteral(R"((?<![\w-])--?[A-Za-z][\w-]*)"));
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (const QRegularExpressionMatch match = column.match(line); match.hasMatch()) {
            line = match.captured(1) + Isolated(match.captured(2)) + match.captured(3);
            continue;
        }
        const qsizetype command = line.indexOf(CommandName() + u' ');
        if (command >= 0 && line.left(command).trimmed().isEmpty()) {
            line = line.left(command) + Isolated(line.mid(command));
            continue;
        }
        QString isolated;
        qsizetype from = 0;
        for (const QRegularExpressionMatch &match : name.globalMatch(line)) {
            isolated += line.mid(from, match.capturedStart() - from) + Isolated(match.captured());
            from = match.capturedEnd();
        }
        line = isolated + line.mid(from);
    }
    return lines.join(u'\n');
}

QString UsageText(const CommandLineRequest &request) {
    switch (request.problem) {
    case Problem::UnknownOption:
        return QCoreApplication::translate("vrc::app::CommandLine", "unknown option '%1'")
            .arg(request.subject);
    case Problem::UnexpectedArgument:
        return QCoreApplication::translate("vrc::app::CommandLine", "unexpected argument '%1'")
            .arg(request.subject);
    case Problem::TooManyTeamRatings:
        return QCoreApplication::translate("vrc::app::CommandLine",
                                           "at most %1 team ratings (-t, --team)")
            .arg(engine::kRows);
    case Problem::TooManyOpponentRatings:
        return QCoreApplication::translate("vrc::app::CommandLine",
                                           "at most %1 opponent ratings (-o, --opponent)")
            .arg(engine::kRows);
    case Problem::JsonWithoutRatings:
        return QCoreApplication::translate("vrc::app::CommandLine",
                                           "--json needs ratings (-t, -o)");
    case Problem::MissingValue:
    case Problem::UnexpectedValue:
    case Problem::Other:
    case Problem::None:
        break;
    }
    QString problem = request.subject;
    if (request.problem != Problem::Other) {
        problem = QCoreApplication::translate(
                      kQtParserContext,
                      request.problem == Problem::MissingValue ? kMissingValue : kUnexpectedValue)
                      .arg(request.subject);
    }
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

CommandLineAnswer Refuse(const CommandLineRequest &request, Qt::LayoutDirection direction) {
    QString text = PlaceAndMessage(CommandName(), UsageText(request)) + u'\n' +
                   QCoreApplication::translate("vrc::app::CommandLine",
                                               "Try '%1 --help' for more information.\n")
                       .arg(CommandName());
    if (direction == Qt::RightToLeft) {
        text = IsolateOptionNames(text);
    }
    return {CommandLineAnswer::Action::Refuse, text};
}

// Ratings on the command line: the window's engine, answered in the window's words.
CommandLineAnswer AnswerRatings(const CommandLineRequest &request, const QLocale &locale,
                                Qt::LayoutDirection direction) {
    engine::RatingEntrySet entries;
    std::copy(request.team.cbegin(), request.team.cend(), entries.team.begin());
    std::copy(request.opponents.cbegin(), request.opponents.cend(), entries.opponents.begin());
    CalculationAnswer answer;
    try {
        answer = Calculate(entries, request.json ? ResultFormat::Json : ResultFormat::Table, locale,
                           direction);
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
                PlaceAndMessage(CommandName(), answer.text)};
    }
    return {CommandLineAnswer::Action::ShowResults, answer.text};
}

} // namespace

CommandLineRequest ReadCommandLine(const QStringList &arguments) {
    using Action = CommandLineRequest::Action;
    QCommandLineParser parser;
    // Qt's options are single-dash words; "-platform" is not seven one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QList<QCommandLineOption> options = Options();
    parser.addOptions(options);
    const QCommandLineOption &help = options.at(0);
    const QCommandLineOption &version = options.at(1);
    const QCommandLineOption &team = options.at(2);
    const QCommandLineOption &opponent = options.at(3);
    const QCommandLineOption &json = options.at(4);

    const QStringList unglued = Unglued(arguments, options);
    if (!parser.parse(unglued)) {
        return ParseProblem(parser, unglued);
    }
    QStringList extra = parser.positionalArguments();
    const bool platformHelp = extra.removeIf(IsPlatformHelpRequest) > 0;
    CommandLineRequest request;
    if (parser.isSet(help) || platformHelp) {
        request.action = Action::ShowHelp;
        return request;
    }
    if (parser.isSet(version)) {
        request.action = Action::ShowVersion;
        return request;
    }
    // The program opens no files: a stray word is more likely a mistyped option.
    if (!extra.isEmpty()) {
        return Refusal(Problem::UnexpectedArgument, extra.constFirst());
    }

    request.team = parser.values(team);
    request.opponents = parser.values(opponent);
    request.json = parser.isSet(json);
    if (request.team.size() > engine::kRows) {
        return Refusal(Problem::TooManyTeamRatings);
    }
    if (request.opponents.size() > engine::kRows) {
        return Refusal(Problem::TooManyOpponentRatings);
    }
    if (!parser.isSet(team) && !parser.isSet(opponent)) {
        return request.json ? Refusal(Problem::JsonWithoutRatings) : CommandLineRequest{};
    }
    request.action = Action::Calculate;
    return request;
}

CommandLineAnswer AnswerCommandLine(const CommandLineRequest &request, const QLocale &locale,
                                    Qt::LayoutDirection direction) {
    using Action = CommandLineRequest::Action;
    switch (request.action) {
    case Action::Run:
        break;
    case Action::ShowHelp: {
        const QString help = HelpText();
        return {CommandLineAnswer::Action::ShowHelp,
                direction == Qt::RightToLeft ? IsolateOptionNames(help) : help};
    }
    case Action::ShowVersion:
        return {CommandLineAnswer::Action::ShowVersion,
                QStringLiteral("%1 %2\n").arg(QString::fromLatin1(identity::kCommandName),
                                              QString::fromLatin1(identity::kFullVersion))};
    case Action::Calculate:
        return AnswerRatings(request, locale, direction);
    case Action::Refuse:
        return Refuse(request, direction);
    }
    return {};
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
