#include "app/module1.h"
#include "runtime/language.h"
#include "tests/common/waits.h"
#include "ui/rating_window/frm_vorn_rating.h"
#include "ui/rating_window/picture_box.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vrc::app;

namespace {

// What the user sees in the language the test's environment states (LANGUAGE, LC_ALL).
struct Expected {
    const char *calculate;
    const char *errorTitle;
    const char *numericMessage;
    Qt::LayoutDirection direction;
    const char *rating; // 1500.5 in the number format
};

Expected ExpectedFor(const QByteArray &language) {
    if (language == "de") {
        return {"&Berechnen", "Fehler", "Sie müssen einen Zahlenwert als Wertung eingeben",
                Qt::LeftToRight, "1.500,5"};
    }
    if (language == "ar") {
        return {"&احسب", "خطأ", "يجب إدخال قيمة رقمية للتقييم", Qt::RightToLeft, "1500.5"};
    }
    return {"&Calculate", "Error", "You must enter a numeric value for rating", Qt::LeftToRight,
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

    // The first of the user's languages with a translation wins; English is one.
    void choosesFirstTranslatedLanguage_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("untranslated first") << QStringList{"xx", "sv-SE", "fr-FR"} << "fr";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("Brazil") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Portugal") << QStringList{"pt-PT"} << "";
        QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN", "zh-CN"} << "zh_CN";
        QTest::newRow("Taiwan, then Japanese") << QStringList{"zh-TW", "ja-JP"} << "ja";
        QTest::newRow("C locale") << QStringList{"C"} << "";
        QTest::newRow("nothing stated") << QStringList{} << "";
    }
    void choosesFirstTranslatedLanguage() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        QCOMPARE(vrc::runtime::ChooseLanguage(preferred, vrc::runtime::AvailableLanguages()),
                 chosen);
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
