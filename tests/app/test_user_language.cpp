#include "app/module1.h"
#include "runtime/language.h"
#include "tests/common/waits.h"
#include "ui/rating_window/frm_vorn_rating.h"
#include "ui/rating_window/picture_box.h"
#include "ui/shared/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

using namespace vrc::app;

namespace {

// What the user sees in the language the test's environment states (LANGUAGE, LC_ALL).
struct Expected {
    const char *code; // the translation installed, empty for English
    const char *calculate;
    const char *errorTitle;
    const char *numericMessage;
    Qt::LayoutDirection direction;
    const char *rating; // 1500.5 in the number format
};

Expected ExpectedFor(const QByteArray &language) {
    if (language == "ja") {
        return {"ja",
                "計算(&C)",
                "エラー",
                "レーティングには数値を入力してください",
                Qt::LeftToRight,
                "1500.5"};
    }
    if (language == "de") {
        return {"de",
                "&Berechnen",
                "Fehler",
                "Sie müssen einen Zahlenwert als Wertung eingeben",
                Qt::LeftToRight,
                "1.500,5"};
    }
    if (language == "ar") {
        return {"ar", "&احسب", "خطأ", "يجب إدخال قيمة رقمية للتقييم", Qt::RightToLeft, "1500.5"};
    }
    return {"",
            "&Calculate",
            "Error",
            "You must enter a numeric value for rating",
            Qt::LeftToRight,
            "1500.5"};
}

QLineEdit *Box(const char *name) {
    return Module1::frmVornRating().findChild<QLineEdit *>(QLatin1String(name));
}

} // namespace

class TestUserLanguage : public QObject {
    Q_OBJECT

    Expected expected_ = ExpectedFor(qgetenv("VRC_EXPECTED_LANGUAGE"));

private slots:
    void initTestCase() {
        Module1::ApplyUserLanguage();
        QTimer::singleShot(0, this, [] {
            if (QWidget *about = QApplication::activeModalWidget()) {
                about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
            }
        });
        Module1::Main();
        const QString late = vrc::test::WaitActive(&Module1::frmVornRating());
        QVERIFY2(late.isEmpty(), qPrintable(late));
    }

    // The first of the user's languages with a translation wins; English is one. The
    // rows are the page's and the installer's too.
    void choosesFirstTranslatedLanguage_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        QFile table(QStringLiteral(VRC_LANGUAGE_CHOICE_TABLE));
        QVERIFY2(table.open(QIODevice::ReadOnly | QIODevice::Text), VRC_LANGUAGE_CHOICE_TABLE);
        int rows = 0;
        while (!table.atEnd()) {
            const QString line = QString::fromUtf8(table.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
                continue;
            }
            const QString tags = line.section(QStringLiteral("->"), 0, 0).simplified();
            const QString chosen = line.section(QStringLiteral("->"), 1).trimmed();
            QTest::newRow(qPrintable(tags.isEmpty() ? QStringLiteral("nothing stated") : tags))
                << tags.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                << (chosen == QLatin1String("en") ? QString() : chosen);
            ++rows;
        }
        QVERIFY2(rows > 0, VRC_LANGUAGE_CHOICE_TABLE);
    }
    void choosesFirstTranslatedLanguage() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        QCOMPARE(vrc::runtime::ChooseLanguage(preferred, vrc::runtime::AvailableLanguages()),
                 chosen);
    }

    // From the environment's list as stated: Qt's additions to it would turn a refused
    // "zh_TW:zh" into simplified Chinese.
    void installsTheChosenTranslation() {
        QCOMPARE(vrc::runtime::InstalledLanguage(), QString::fromLatin1(expected_.code));
    }

    // Chinese and Japanese letters are drawn in the face of the translation on show: the
    // Japanese one, as none of these environments gets the Chinese translation, though
    // one states Chinese first.
    void cjkFaceOfTheTranslation() {
        const QString face = QStringLiteral("Noto Sans CJK JP");
        if (!QFontDatabase::hasFamily(face)) {
            QSKIP("the CJK faces are not installed (package fonts-noto-cjk)");
        }
        // 日本語 in both scripts' letters: drawn by the box font's CJK face.
        QTextLayout layout(QString::fromUtf8("\u65e5\u672c\u8a9e"), vrc::ui::BoxFont());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        QVERIFY(!runs.isEmpty());
        for (const QGlyphRun &run : runs) {
            QCOMPARE(run.rawFont().familyName(), face);
        }
    }

    void windowsSpeakTheLanguage() {
        const auto &window = Module1::frmVornRating();
        QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->text(),
                 QString::fromUtf8(expected_.calculate));
        QCOMPARE(window.layoutDirection(), expected_.direction);
        const int calculate = window.findChild<QWidget *>(QStringLiteral("cmdCalculate"))->x();
        const int exit = window.findChild<QWidget *>(QStringLiteral("cmdExit"))->x();
        QCOMPARE(calculate > exit, expected_.direction == Qt::RightToLeft);
    }

    void refusalInTheLanguage() {
        Box("txtRold_0")->setText(QStringLiteral("abc"));
        Box("txtROpponent_0")->setText(QStringLiteral("1500"));
        QString title;
        QString text;
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        Module1::frmVornRating().findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
        QCOMPARE(title, QString::fromUtf8(expected_.errorTitle));
        QCOMPARE(text, QString::fromUtf8(expected_.numericMessage));
    }

    // Numbers follow the number format, whatever the language.
    void readsNumbersOfTheLocale() {
        Box("txtRold_0")->setText(QString::fromUtf8(expected_.rating));
        Box("txtROpponent_0")->setText(QStringLiteral("1400"));
        QString refusal;
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                refusal = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        Module1::frmVornRating().findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
        const auto *win =
            Module1::frmVornRating().findChild<vrc::ui::PictureBox *>(QStringLiteral("picRwin_0"));
        QVERIFY(!win->Numbers().isEmpty());
    }

    void cleanupTestCase() { Module1::UnloadForms(); }
};

QTEST_MAIN(TestUserLanguage)
#include "test_user_language.moc"
