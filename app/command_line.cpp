#include "app/command_line.h"
#include "app/console.h"

#include <QCommandLineParser>
#include <vrc_version.h>

namespace vrc::app {

namespace {

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

QString CommandName() {
    return QString::fromLatin1(identity::kCommandName);
}

QString HelpText() {
    return QStringLiteral("Usage: %1 [OPTION]...\n"
                          "Work out each team player's rating after a win and after a loss.\n"
                          "The program opens its About window, then the calculator.\n"
                          "\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n"
                          "\n"
                          "Qt's own options, such as -platform and -style, are accepted too.\n"
                          "See %1(1) for the keys, the messages and the rule.\n")
        .arg(CommandName());
}

CommandLineAnswer Refuse(const QString &problem) {
    return {CommandLineAnswer::Action::Refuse,
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                .arg(CommandName(), problem)};
}

// Names an unknown option as the user typed it ("--colour", where Qt says "colour").
QString ParseProblem(const QCommandLineParser &parser, const QStringList &arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        QString problem = parser.errorText();
        if (problem.endsWith(u'.')) {
            problem.chop(1);
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
    return QStringLiteral("unknown option '%1'").arg(typed);
}

} // namespace

CommandLineAnswer ReadCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words; "-platform" is not seven one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
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
    if (parser.isSet(help)) {
        return {CommandLineAnswer::Action::ShowHelp, HelpText()};
    }
    if (parser.isSet(version)) {
        return {CommandLineAnswer::Action::ShowVersion,
                QStringLiteral("%1 %2\n").arg(CommandName(),
                                              QString::fromLatin1(identity::kFullVersion))};
    }
    // The program opens no files: a stray word is more likely a mistyped option.
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        return Refuse(QStringLiteral("unexpected argument '%1'").arg(extra.constFirst()));
    }
    return {};
}

int PrintCommandLineAnswer(const CommandLineAnswer &answer) {
    const bool refused = answer.action == CommandLineAnswer::Action::Refuse;
    const bool written = WriteToConsole(answer.text, refused);
    if (refused) {
        return kUsageExitStatus;
    }
    // `--help > /dev/full` must not look like success.
    return written ? 0 : 1;
}

} // namespace vrc::app
