#include "app/command_line.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <vrc_version.h>

using vrc::app::AnswerCommandLine;
using vrc::app::CommandLineAnswer;
using vrc::app::ReadCommandLine;
using Action = CommandLineAnswer::Action;

namespace {

// How a row's expected standard output is compared with what the program printed.
enum class Match {
    Exact,
    Json,    // the same JSON document, on one line
    Pattern, // a regular expression matching the whole output
};

const QString kCommand = QString::fromLatin1(vrc::identity::kCommandName);

// Standard error of a refused command line.
QString Usage(const QString &problem) {
    return QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(kCommand, problem);
}

// Standard error of refused ratings.
QString Refused(const QString &where, const QString &message) {
    return QStringLiteral("%1: %2: %3\n").arg(kCommand, where, message);
}

const QString kNotNumeric = QStringLiteral("You must enter a numeric value for rating");
const QString kNoRating = QStringLiteral("You must enter at least one player and one opponent");
const QString kOutOfRange = QStringLiteral("You must enter a rating between -32768 and 32767");
const QString kNewOutOfRange =
    QStringLiteral("The new rating would be outside the range -32768 to 32767");

const QString kHeading = QStringLiteral("Player  Old Ratings  You Win  You Lose\n");

// The line under the table, with the share as the locale writes it.
QString BreakEven(const QString &percent) {
    return QStringLiteral("To hold its rating, your team must win %1% of such games.\n")
        .arg(percent);
}

} // namespace

Q_DECLARE_METATYPE(Match)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void program_data();
    void program();
#ifndef Q_OS_WIN
    void bidiTerminal_data();
    void bidiTerminal();
#endif

    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        // Text the answer must contain; for refusals, the offending word as typed.
        QTest::addColumn<QString>("mentions");
        const QString command = QString::fromLatin1(vrc::identity::kCommandName);
        const QString version = QStringLiteral("%1 %2\n").arg(
            command, QString::fromLatin1(vrc::identity::kFullVersion));

        QTest::newRow("none: the program starts") << QStringList{} << Action::Run << "";
        QTest::newRow("Qt option with its value")
            << QStringList{"-platform", "offscreen"} << Action::Run << "";
        QTest::newRow("Qt option with two dashes")
            << QStringList{"--platform", "offscreen"} << Action::Run << "";
        QTest::newRow("Qt option with =value") << QStringList{"-style=fusion"} << Action::Run << "";
        QTest::newRow("Qt flags") << QStringList{"-reverse", "-nograb"} << Action::Run << "";
        QTest::newRow("session manager restart")
            << QStringList{"-session", "1a2b_3", "-name", "vrc"} << Action::Run << "";
        QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << "--version";
        QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << "Usage: " + command;
        QTest::newRow("help after a Qt option")
            << QStringList{"-platform", "xcb", "--help"} << Action::ShowHelp << "--help";
        QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << version;
        QTest::newRow("-v") << QStringList{"-v"} << Action::ShowVersion << version;
        QTest::newRow("help wins over version")
            << QStringList{"--version", "--help"} << Action::ShowHelp << "Usage: ";
        QTest::newRow("unknown long option")
            << QStringList{"--bogus"} << Action::Refuse << "'--bogus'";
        QTest::newRow("unknown single-dash option")
            << QStringList{"-x"} << Action::Refuse << "'-x'";
        QTest::newRow("unknown option with a value")
            << QStringList{"--colour=red"} << Action::Refuse << "'--colour'";
        QTest::newRow("unknown option beside --help")
            << QStringList{"--help", "--bogus"} << Action::Refuse << "'--bogus'";
        QTest::newRow("short options are not bundled")
            << QStringList{"-hv"} << Action::Refuse << "'-hv'";
        QTest::newRow("stray word")
            << QStringList{"ratings.txt"} << Action::Refuse << "'ratings.txt'";
        QTest::newRow("Qt option without its value")
            << QStringList{"-platform"} << Action::Refuse << "'-platform'";
        QTest::newRow("value given to a flag")
            << QStringList{"--version=2"} << Action::Refuse << "'--version'";
        // A short option's value may be glued to it; Qt's single-dash words stay Qt's.
        QTest::newRow("Qt's -title is not -t itle")
            << QStringList{"-title", "Ratings"} << Action::Run << "";
        QTest::newRow("glued value after an unknown letter")
            << QStringList{"-x500"} << Action::Refuse << "'-x500'";
        QTest::newRow("an option's value is not read as an option")
            << QStringList{"-platform", "-t500"} << Action::Run << "";
    }

    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, mentions);
        arguments.prepend(QStringLiteral("/usr/bin/vornratingcalc"));

        const vrc::app::CommandLineRequest request = ReadCommandLine(arguments);
        QCOMPARE(request.AnswersWithoutWindow(), action != Action::Run);
        const CommandLineAnswer answer = AnswerCommandLine(request);
        QCOMPARE(answer.action, action);
        QVERIFY2(answer.text.contains(mentions), qPrintable(answer.text));
        if (action == Action::Refuse) {
            QVERIFY2(answer.text.contains(QStringLiteral("--help' for more information")),
                     qPrintable(answer.text));
        }
        QVERIFY(action == Action::Run || answer.text.endsWith(u'\n'));
    }
};

// The program itself, run as a terminal user or a script runs it.
void TestCommandLine::program_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");   // the user's, as the environment gives it
    QTest::addColumn<QString>("language"); // LANGUAGE, the languages the user reads
    QTest::addColumn<bool>("fullDevice");  // standard output goes to /dev/full
    QTest::addColumn<Match>("match");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("status");
    const QString en = QStringLiteral("en_US.UTF-8");
    const QString de = QStringLiteral("de_DE.UTF-8");
    const auto row = [&](const char *name, const QStringList &arguments, const QString &out,
                         const QString &err, int status, Match match = Match::Exact) {
        QTest::newRow(name) << arguments << en << QString() << false << match << out << err
                            << status;
    };
    // Answers in the user's language; the locale follows it, as a German desktop's does.
    const auto in = [](const char *name, const char *language, const QStringList &arguments,
                       const QString &out, const QString &err, int status,
                       Match match = Match::Exact) {
        const QString locale = QLocale(QString::fromLatin1(language)).name() + ".UTF-8";
        QTest::newRow(name) << arguments << locale << QString::fromLatin1(language) << false
                            << match << out << err << status;
    };

    // Results: every team row with a rating, top row first, and nothing on standard error.
    row("worked example", {"-t", "500", "-t", "600", "-o", "550", "-o", "650", "-o", "700"},
        kHeading +
            "     1          500      510       494\n"
            "     2          600      610       594\n" +
            BreakEven("39.6"),
        "", 0);
    row("worked example as JSON",
        {"-t", "500", "-t", "600", "-o", "550", "-o", "650", "-o", "700", "--json"},
        R"({"teamAverage": 550, "opponentAverage": 633, "difference": 83, "winChange": 10,
            "lossChange": -6, "breakEven": 0.39625, "rows": [{"position": 1, "old": 500, "win": 510, "lose": 494},
                                       {"position": 2, "old": 600, "win": 610, "lose": 594}]})",
        "", 0, Match::Json);
    row("long options, = and a blank", {"--team=500", "--opponent", "500"},
        kHeading + "     1          500      516       484\n" + BreakEven("50.0"), "", 0);
    // Each way a getopt program takes an option's value.
    const QString oneRow =
        kHeading + "     1          500      520       488\n" + BreakEven("37.5");
    row("-t500 -o600", {"-t500", "-o600"}, oneRow, "", 0);
    row("-t 500 -o 600", {"-t", "500", "-o", "600"}, oneRow, "", 0);
    row("--team 500 --opponent 600", {"--team", "500", "--opponent", "600"}, oneRow, "", 0);
    row("--team=500 --opponent=600", {"--team=500", "--opponent=600"}, oneRow, "", 0);
    row("--team=500 -o600", {"--team=500", "-o600"}, oneRow, "", 0);
    row("glued negative rating", {"-t-100", "-o100"},
        kHeading + "     1         -100      -76      -108\n" + BreakEven("25.0"), "", 0);
    row("glued letters are a rating", {"-tabc", "-o500"}, "", Refused("team row 1", kNotNumeric),
        1);
    row("glued value after an unknown letter", {"-x500", "-o500"}, "",
        Usage("unknown option '-x500'"), 2);
    row("an empty rating keeps its row empty",
        {"-t", "500", "-t", "", "-t", "600", "-o", "550", "-o", "650", "-o", "700"},
        kHeading +
            "     1          500      510       494\n"
            "     3          600      610       594\n" +
            BreakEven("39.6"),
        "", 0);
    row("only the second row, as JSON", {"--json", "-t", "", "-t", "700", "-o", "650"},
        R"({"teamAverage": 700, "opponentAverage": 650, "difference": -50, "winChange": 14,
            "lossChange": -18, "breakEven": 0.5625, "rows": [{"position": 2, "old": 700, "win": 714, "lose": 682}]})",
        "", 0, Match::Json);
    row("negative ratings", {"-t", "-100", "-o", "100"},
        kHeading + "     1         -100      -76      -108\n" + BreakEven("25.0"), "", 0);
    row("blanks, sign, exponent, half to even", {"-t", " 5.005e2 ", "-o", "+500"},
        kHeading + "     1          500      516       484\n" + BreakEven("50.0"), "", 0);
    // An English reader with German numbers.
    QTest::newRow("German locale")
        << QStringList{"-t", "1.500,5", "-o", "1.500"} << de << "en" << false << Match::Exact
        << kHeading + "     1         1500     1516      1484\n" + BreakEven("50,0") << "" << 0;

    // The share to be won: a tenth of a percent from the exact share, and the double
    // nearest it as the shortest decimal that reads back as it, the floors included.
    QTest::newRow("share in German numbers, 39.625 % to a tenth")
        << QStringList{"-t", "500", "-t", "600", "-o", "550", "-o", "650", "-o", "700"} << de
        << "en" << false << Match::Exact
        << kHeading +
               "     1          500      510       494\n"
               "     2          600      610       594\n" +
               BreakEven("39,6")
        << "" << 0;
    row("share at the loss floor", {"-t", "500", "-o", "900"},
        kHeading + "     1          500      532       499\n" + BreakEven("3.0"), "", 0);
    const auto share = [&](const char *name, const QStringList &arguments, const char *json) {
        QTest::newRow(name) << (QStringList{"--json"} + arguments) << en << QString() << false
                            << Match::Pattern
                            << QStringLiteral(R"(\{"breakEven":%1,"difference":.*\}\n)")
                                   .arg(QRegularExpression::escape(QString::fromLatin1(json)))
                            << "" << 0;
    };
    share("JSON share at the loss floor, 1/33", {"-t", "500", "-o", "900"}, "0.030303030303030304");
    share("JSON share at the win floor, 32/33", {"-t", "800", "-o", "400"}, "0.9696969696969697");
    share("JSON share beyond the floor, 25/801", {"-t", "0", "-o", "376"}, "0.031210986267166042");
    share("JSON share of equal teams", {"-t", "0", "-o", "0"}, "0.5");

    // Refused ratings: the window's message, the side and row at fault, and no result.
    row("letters", {"-t", "abc", "-o", "500"}, "", Refused("team row 1", kNotNumeric), 1);
    row("letters in the second opponent row", {"-t", "500", "-o", "500", "-o", "x"}, "",
        Refused("opponent row 2", kNotNumeric), 1);
    row("a blank is not empty", {"-t", " ", "-o", "500"}, "", Refused("team row 1", kNotNumeric),
        1);
    row("German number in an English locale", {"-t", "1.500,5", "-o", "1500"}, "",
        Refused("team row 1", kNotNumeric), 1);
    row("no opponent", {"-t", "500"}, "", Refused("opponents", kNoRating), 1);
    row("no team", {"-o", "500", "--json"}, "", Refused("team", kNoRating), 1);
    row("only empty ratings", {"-t", "", "-o", ""}, "", Refused("team", kNoRating), 1);
    row("rating out of range", {"-t", "500", "-o", "500", "-o", "-40000"}, "",
        Refused("opponent row 2", kOutOfRange), 1);
    row("new rating out of range", {"-t", "32767", "-o", "0"}, "",
        Refused("team row 1", kNewOutOfRange), 1);
    // The window shows nothing then: neither may the rows above it be printed.
    row("second row's new rating out of range", {"-t", "500", "-t", "32767", "-o", "30000"}, "",
        Refused("team row 2", kNewOutOfRange), 1);

    // Usage mistakes.
    row("fourth team rating", {"-t", "1", "-t", "2", "-t", "3", "-t", "4", "-o", "5"}, "",
        Usage("at most 3 team ratings (-t, --team)"), 2);
    row("fourth opponent rating", {"-o", "1", "-o", "2", "-o", "3", "-o", "4", "-t", "5"}, "",
        Usage("at most 3 opponent ratings (-o, --opponent)"), 2);
    row("option without its value", {"-o", "500", "-t"}, "", Usage("missing value after '-t'"), 2);
    row("--json alone", {"--json"}, "", Usage("--json needs ratings (-t, -o)"), 2);
    row("stray word beside ratings", {"-t", "500", "-o", "500", "600"}, "",
        Usage("unexpected argument '600'"), 2);

    // Help and version, and output that cannot be written.
#ifdef Q_OS_WIN
    // Windows has no manual page; its users ask for help with /?.
    const QString help = QStringLiteral(R"(Usage: VornRatingCalc \[OPTION\]\.\.\.\n(.*\n)*)"
                                        R"(.*shows the About window; the README at\n)"
                                        R"(.* has the keys, the messages and the rule\.\n)");
    row("/?", {"/?"}, help, "", 0, Match::Pattern);
#else
    const QString help = QStringLiteral(R"(Usage: vornratingcalc \[OPTION\]\.\.\.\n(.*\n)*)"
                                        R"(See vornratingcalc\(1\) for .*\n)");
    row("/? is a stray word", {"/?"}, "", Usage("unexpected argument '/?'"), 2);
#endif
    row("--help", {"-t", "500", "--help"}, help, "", 0, Match::Pattern);
    const QString version =
        QStringLiteral("%1 %2\n").arg(QString::fromLatin1(vrc::identity::kCommandName),
                                      QString::fromLatin1(vrc::identity::kFullVersion));
    row("--version", {"--version"}, version, "", 0);
    for (const char *option : {"--help", "--version"}) {
        QTest::addRow("%s > /dev/full", option)
            << QStringList{option} << en << QString() << true << Match::Exact << ""
            << "" << 1;
    }
    QTest::newRow("results > /dev/full")
        << QStringList{"-t", "500", "-o", "500"} << en << QString() << true << Match::Exact << ""
        << "" << 1;

    // Another language: words translated, numbers as they were, columns lined up on a
    // terminal, JSON and exit statuses the same bytes as in English.
#ifndef Q_OS_WIN
    in("German help", "de", {"--help"},
       R"(Aufruf: vornratingcalc \[OPTION\]\.\.\.\n(.*\n)*)"
       R"(Tasten, Meldungen und die Regel beschreibt vornratingcalc\(1\)\.\n)",
       "", 0, Match::Pattern);
#endif
    in("German refusal", "de", {"-t", "abc", "-o", "500"}, "",
       Refused("Team, Zeile 1", "Sie müssen einen Zahlenwert als Wertung eingeben"), 1);
    in("German usage error", "de", {"--bogus"}, "",
       kCommand + ": unbekannte Option „--bogus“\n„" + kCommand +
           " --help“ liefert weitere Informationen.\n",
       2);
    // Qt's own words come from Qt's translations.
    in("German usage error from Qt", "de", {"-o", "500", "-t"}, "",
       kCommand + ": Nach '-t' fehlt der Wert\n„" + kCommand +
           " --help“ liefert weitere Informationen.\n",
       2);
    in("German table", "de", {"-t", "500", "-o", "500"},
       "Spieler  Alte Wertung  Gewonnen  Verloren\n"
       "      1           500       516       484\n"
       "Um seine Wertung zu halten, muss Ihr Team 50,0 % solcher Spiele gewinnen.\n",
       "", 0);
    // Each of these characters takes two columns on a terminal.
    in("Japanese table", "ja", {"-t", "-500", "-t", "32000", "-o", "500"},
       "プレイヤー  旧レート  勝った場合  負けた場合\n"
       "         1      -500        -500        -516\n"
       "         2     32000       32000       31984\n"
       "レートを維持するには、このような試合の97.0%で勝つ必要があります。\n",
       "", 0);
    // A typed minus sign, which Windows' ANSI code pages lack.
    in("Japanese, a typed minus sign", "ja",
       {"-t",
        "\u2212"
        "500",
        "-o", "500"},
       "プレイヤー  旧レート  勝った場合  負けた場合\n"
       "         1      -500        -468        -501\n"
       "レートを維持するには、このような試合の3.0%で勝つ必要があります。\n",
       "", 0);
    // French puts a space before a colon.
    in("French refusal", "fr", {"-t", "abc", "-o", "500"}, "",
       kCommand + " : équipe, ligne 1 : Vous devez saisir une valeur numérique pour la cote\n", 1);
    // Right to left, each cell and each option name is isolated (U+2068 ... U+2069), and
    // the columns are as wide as before: isolates take no column.
    in("Arabic table", "ar", {"-t", "500", "-t", "-1500", "-o", "600"},
       "( *\u2068[^\u2068\u2069\n]+\u2069){4}\n"
       " +\u20681\u2069 +\u2068500\u2069 +\u2068516\u2069 +\u2068500\u2069\n"
       " +\u20682\u2069 +\u2068-1500\u2069 +\u2068-1484\u2069 +\u2068-1500\u2069\n"
       "[^\n]+\n",
       "", 0, Match::Pattern);
#ifndef Q_OS_WIN
    in("Arabic help", "ar", {"--help"},
       "(.*\n)*  \u2068-t, --team \\S+\u2069 +\\S.*\n(.*\n)*"
       ".*\u2068-platform\u2069.*\n(.*\n)*",
       "", 0, Match::Pattern);
#endif
    in("Arabic usage error", "ar", {"--bogus"}, "",
       kCommand + ": خيار غير معروف '\u2068--bogus\u2069'\nجرّب '" + kCommand +
           " \u2068--help\u2069' لمزيد من المعلومات.\n",
       2);
    in("unknown language: English", "xx", {"-t", "abc", "-o", "500"}, "",
       Refused("team row 1", kNotNumeric), 1);
    for (const char *language : {"de", "ja", "ar"}) {
        QTest::addRow("JSON in %s", language)
            << QStringList{"--json", "-t", "", "-t", "700", "-o", "650"}
            << QLocale(QString::fromLatin1(language)).name() + ".UTF-8"
            << QString::fromLatin1(language) << false << Match::Exact
            << R"({"breakEven":0.5625,"difference":-50,"lossChange":-18,"opponentAverage":650,)"
               R"("rows":[{"lose":682,"old":700,"position":2,"win":714}],)"
               R"("teamAverage":700,"winChange":14})"
               "\n"
            << "" << 0;
    }
}

void TestCommandLine::program() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(bool, fullDevice);
    QFETCH(Match, match);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, status);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifndef Q_OS_WIN
    // No display, and the X platform forced: a window would end the program at once.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
#endif
    environment.insert(QStringLiteral("LC_ALL"), locale);
    // Unset, the locale names the language; the developer's own never leaks in.
    environment.remove(QStringLiteral("LANGUAGE"));
    if (!language.isEmpty()) {
        environment.insert(QStringLiteral("LANGUAGE"), language);
    }
#ifdef Q_OS_WIN
    // Windows takes the user's locale and languages from its settings, not from the
    // environment.
    const QString wanted = language.isEmpty() ? QStringLiteral("en") : language;
    if (QLocale::system().name() != QLocale(locale.section(u'.', 0, 0)).name() ||
        !QLocale::system().uiLanguages().value(0).startsWith(wanted.left(2))) {
        QSKIP("the row needs another user locale or language");
    }
#endif
    program.setProcessEnvironment(environment);
    if (fullDevice) {
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    }
    program.start(QStringLiteral(VRC_PROGRAM), arguments);
    QVERIFY2(program.waitForFinished(60000),
             qPrintable("the program did not end within 60 s: " + program.errorString()));
    const QString printed = QString::fromUtf8(program.readAllStandardOutput());
    const QString complained = QString::fromUtf8(program.readAllStandardError());

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(complained, err);
    switch (match) {
    case Match::Exact:
        QCOMPARE(printed, out);
        break;
    case Match::Json: {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(printed.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(printed));
        QCOMPARE(document, QJsonDocument::fromJson(out.toUtf8()));
        // One line, for scripts that read line by line.
        QCOMPARE(printed.count(u'\n'), 1);
        QVERIFY(printed.endsWith(u'\n'));
        break;
    }
    case Match::Pattern: {
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(out));
        QVERIFY2(pattern.match(printed).hasMatch(), qPrintable(printed));
        break;
    }
    }
    QCOMPARE(program.exitCode(), status);
}

#ifndef Q_OS_WIN
// Arabic output as a terminal that applies the bidirectional algorithm shows it, through
// fribidi (package libfribidi-bin): where each character lands on the screen.
void TestCommandLine::bidiTerminal_data() {
    QTest::addColumn<QStringList>("arguments");
    // For a table: each heading stands over its column (right edges alike). Otherwise the
    // words that must show whole somewhere on the screen.
    QTest::addColumn<QStringList>("whole");
    // For a table: its lines (heading and rows); the sentence under it is prose.
    QTest::addColumn<int>("tableLines");
    QTest::newRow("Arabic table") << QStringList{"-t", "500", "-t", "-1500", "-o", "600"}
                                  << QStringList{} << 3;
    QTest::newRow("Arabic help") << QStringList{"--help"}
                                 << QStringList{"-t, --team", "-o, --opponent",      "--json",
                                                "-h, --help", "-v, --version",       "-platform",
                                                "-style",     "-t 500 -t 600 -o 550"}
                                 << 0;
}

void TestCommandLine::bidiTerminal() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, whole);
    QFETCH(int, tableLines);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("ar_EG.UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("ar"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VRC_PROGRAM), arguments);
    QVERIFY2(program.waitForFinished(60000), "the program did not end within 60 s");
    QCOMPARE(program.exitCode(), 0);
    const QByteArray printed = program.readAllStandardOutput();
    QStringList logical = QString::fromUtf8(printed).split(u'\n');
    logical.removeAll(QString());

    // Each line comes back as the screen shows it, then the logical index of the
    // character at each screen position.
    QProcess fribidi;
    fribidi.start(QStringLiteral("fribidi"), {"--nobreak", "--nopad", "--vtol"});
    QVERIFY2(fribidi.waitForStarted(), "fribidi is needed (package libfribidi-bin)");
    fribidi.write(printed);
    fribidi.closeWriteChannel();
    QVERIFY2(fribidi.waitForFinished(60000), "fribidi did not end within 60 s");
    QStringList shown = QString::fromUtf8(fribidi.readAllStandardOutput()).split(u'\n');
    shown.removeAll(QString());

    if (!whole.isEmpty()) {
        QString screen;
        for (qsizetype i = 0; i + 1 < shown.size(); i += 2) {
            screen += shown.at(i) + u'\n';
        }
        screen.remove(QRegularExpression(QStringLiteral("[\u2066-\u2069]")));
        for (const QString &word : whole) {
            QVERIFY2(screen.contains(word), qPrintable(word + " is not shown whole:\n" + screen));
        }
        return;
    }

    QCOMPARE(shown.size(), 2 * logical.size());
    QVERIFY2(logical.size() > tableLines, qPrintable(logical.join(u'\n')));
    logical.resize(tableLines);
    const auto columns = [](char32_t c) {
        const QChar::Category category = QChar::category(c);
        return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
                       category == QChar::Other_Format
                   ? 0
                   : 1;
    };
    QList<QList<int>> edges; // right edge on the screen of each cell, in logical order
    for (qsizetype line = 0; line < logical.size(); ++line) {
        const QList<uint> text = logical.at(line).toUcs4();
        const QStringList order = shown.at(2 * line + 1).split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(order.size(), text.size());
        QList<int> end(text.size());
        int column = 0;
        for (const QString &position : order) {
            const int index = position.toInt();
            column += columns(text.at(index));
            end[index] = column;
        }
        // Cells are two or more blanks apart; a heading may hold one blank.
        QList<int> cells;
        int edge = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool blank =
                text.at(i) == u' ' && ((i + 1 < text.size() && text.at(i + 1) == u' ') ||
                                       (i > 0 && text.at(i - 1) == u' ') || edge < 0);
            if (blank) {
                if (edge >= 0) {
                    cells << edge;
                    edge = -1;
                }
                continue;
            }
            edge = std::max(edge, end.at(i));
        }
        cells << edge;
        edges << cells;
    }
    for (qsizetype line = 1; line < edges.size(); ++line) {
        QVERIFY2(edges.at(line) == edges.constFirst(),
                 qPrintable(QStringLiteral("columns end at %1 under headings ending at %2:\n%3")
                                .arg(QDebug::toString(edges.at(line)),
                                     QDebug::toString(edges.constFirst()), shown.join(u'\n'))));
    }
}
#endif

QTEST_APPLESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
