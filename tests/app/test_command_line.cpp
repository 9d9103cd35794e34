#include "app/command_line.h"

#include <QTest>
#include <vrc_version.h>

using vrc::app::CommandLineAnswer;
using vrc::app::ReadCommandLine;
using Action = CommandLineAnswer::Action;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
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
    }

    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, mentions);
        arguments.prepend(QStringLiteral("/usr/bin/vornratingcalc"));

        const CommandLineAnswer answer = ReadCommandLine(arguments);
        QCOMPARE(answer.action, action);
        QVERIFY2(answer.text.contains(mentions), qPrintable(answer.text));
        if (action == Action::Refuse) {
            QVERIFY2(answer.text.contains(QStringLiteral("--help' for more information")),
                     qPrintable(answer.text));
        }
        QVERIFY(action == Action::Run || answer.text.endsWith(u'\n'));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
