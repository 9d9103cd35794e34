#include "app/module1.h"
#include "runtime/fault_boundary.h"
#include "tests/common/waits.h"
#include "ui/about_window/frm_about.h"
#include "ui/rating_window/frm_vorn_rating.h"

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace vrc::app;

namespace {
QStringList VisibleWindows() {
    QStringList names;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            names << widget->objectName();
        }
    }
    names.sort();
    return names;
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void aboutWindowStandsAloneUntilOk() {
        QStringList windowsWhileAboutOpen;
        QString modalName;
        QTimer::singleShot(0, this, [&] {
            windowsWhileAboutOpen = VisibleWindows();
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal != nullptr);
            modalName = modal->objectName();
            modal->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        });
        Module1::Main();
        QCOMPARE(modalName, QStringLiteral("frmAbout"));
        QCOMPARE(windowsWhileAboutOpen, QStringList{QStringLiteral("frmAbout")});
        QVERIFY(!Module1::frmAbout().IsLoaded());
        QCOMPARE(VisibleWindows(), QStringList{QStringLiteral("frmVornRating")});
        VRC_WAIT_ACTIVE(&Module1::frmVornRating());
    }

    // Each Help loads a fresh About window and shows it, however often.
    void helpTwiceShowsFreshAboutWindows() {
        QPushButton *help = Module1::frmVornRating().findChild<QPushButton *>("cmdHelp");
        QPointer<QWidget> first;
        for (int press = 0; press < 2; ++press) {
            QString shown;
            bool visible = false;
            bool ownedByRatingWindow = false; // not by a stand-in
            QObject guard;                    // a Help that shows nothing leaves the check unrun
            QTimer::singleShot(0, &guard, [&] {
                QWidget *modal = QApplication::activeModalWidget();
                if (modal != nullptr) {
                    shown = modal->objectName();
                    visible = modal->isVisible();
                    ownedByRatingWindow = modal->windowHandle()->transientParent() ==
                                          Module1::frmVornRating().windowHandle();
                    first = press == 0 ? modal : first.data();
                    modal->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
                }
            });
            help->click();
            QCOMPARE(shown, QStringLiteral("frmAbout"));
            QVERIFY(visible);
            QVERIFY(ownedByRatingWindow);
            QVERIFY(first.isNull()); // unloaded after OK, not merely hidden
        }
        QVERIFY(!Module1::frmAbout().IsLoaded());
    }

    void faultReportNamesTheProgram() {
        Module1::ApplyProgramIdentity();
        QString title;
        QString text;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box != nullptr) {
                title = box->windowTitle();
                text = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        vrc::runtime::ShowFaultReport({7, QStringLiteral("Out of memory")});
        QCOMPARE(title, QStringLiteral("VornRatingCalc"));
        QCOMPARE(text, QStringLiteral("Run-time error '7':\n\nOut of memory"));
    }

    void closingRatingWindowEndsProgram() {
        QVERIFY(Module1::frmVornRating().isVisible());
        bool timedOut = false;
        QTimer::singleShot(0, this, [] { Module1::frmVornRating().close(); });
        QTimer::singleShot(5000, this, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(VisibleWindows().isEmpty());
    }

    void cleanupTestCase() { Module1::UnloadForms(); }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
