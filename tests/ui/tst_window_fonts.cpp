// The faces the windows get on Windows itself (the Windows platform, not offscreen):
// the boxes' MS Sans Serif where the system has it, and a bold italic stand-in for
// the captions' Nimbus Roman at the named size.
#include "ui/shared/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

class TestWindowFonts : public QObject {
    Q_OBJECT

private slots:
    void boxFontIsTheSystemsSansSerif() {
        const QStringList families = QFontDatabase::families();
        if (!families.contains(QStringLiteral("MS Sans Serif")) &&
            !families.contains(QStringLiteral("Microsoft Sans Serif"))) {
            QSKIP("this system has neither MS Sans Serif nor Microsoft Sans Serif");
        }
        const QFontInfo info(vrc::ui::BoxFont());
        QVERIFY2(info.family() == QLatin1String("MS Sans Serif") ||
                     info.family() == QLatin1String("Microsoft Sans Serif"),
                 qPrintable(info.family()));
        QVERIFY(!info.bold());
        QVERIFY(!info.italic());
        QCOMPARE(info.pixelSize(), 11); // 8.25 pt at 96 dpi
    }

    void captionFontKeepsSizeAndSlant() {
        const QFontInfo info(vrc::ui::CaptionFont(9.75));
        QVERIFY2(!info.family().isEmpty(), "no face at all for the captions");
        QCOMPARE(info.pixelSize(), 13); // 9.75 pt at 96 dpi
        QVERIFY(info.italic());
    }
};

QTEST_MAIN(TestWindowFonts)
#include "tst_window_fonts.moc"
