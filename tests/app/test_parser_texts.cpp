#include "runtime/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

// The command line's complaints that Qt words (QCommandLineParser), as the program prints
// them in each language it carries: a missing translation prints Qt's English.
class TestParserTexts : public QObject {
    Q_OBJECT

private slots:
    void complaintInEachLanguage_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("english");
        const QStringList codes = QStringList{QString()} + vrc::runtime::AvailableLanguages();
        for (const QString &code : codes) {
            const QByteArray language = code.isEmpty() ? "en" : code.toLatin1();
            QTest::addRow("%s: missing value", language.constData())
                << code << QStringList{"-o", "500", "-t"} << "-t"
                << "issing value after";
            QTest::addRow("%s: unexpected value", language.constData())
                << code << QStringList{"-t", "500", "-o", "500", "--json=yes"} << "--json"
                << "nexpected value after";
        }
    }
    void complaintInEachLanguage() {
        QFETCH(QString, code);
        QFETCH(QStringList, arguments);
        QFETCH(QString, option);
        QFETCH(QString, english);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (QSysInfo::productType() == QLatin1String("windows")) {
            // Windows takes the user's languages from its settings, not from the environment.
            const QString system = QLocale::system().uiLanguages().value(0);
            if (!system.startsWith(code.isEmpty() ? QStringLiteral("en") : code.left(2))) {
                QSKIP("the row needs another display language");
            }
        } else {
            // No display, and the X platform forced: a window would end the program at once.
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
            environment.insert(QStringLiteral("LANGUAGE"),
                               code.isEmpty() ? QStringLiteral("en") : code);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VRC_PROGRAM), arguments);
        QVERIFY2(program.waitForFinished(60000),
                 qPrintable("the program did not end within 60 s: " + program.errorString()));
        const QString complaint = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), 2);
        QVERIFY2(complaint.contains(option), qPrintable(complaint));
        // English names the problem in English: the complaint is the one Qt words.
        QVERIFY2(complaint.contains(english) == code.isEmpty(), qPrintable(complaint));
    }
};

QTEST_GUILESS_MAIN(TestParserTexts)
#include "test_parser_texts.moc"
