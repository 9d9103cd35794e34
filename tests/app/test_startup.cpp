#include "app/module1.h"
#include "ui/about_window/frm_about.h"
#include "ui/rating_window/frm_vorn_rating.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
        QVERIFY(QTest::qWaitForWindowActive(&Module1::frmVornRating()));
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
