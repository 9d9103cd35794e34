// The program's windows on a real X server: what the taskbar lists and which
// window is active. Run by run_under_xvfb.sh with and without a window manager.
#include "app/module1.h"
#include "tests/common/waits.h"
#include "ui/about_window/frm_about.h"
#include "ui/rating_window/frm_vorn_rating.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vrc::app;

namespace {

// The window's _NET_WM_STATE atoms, as any X client (a taskbar) reads them.
QStringList NetWmState(const QWidget &window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                          QStringLiteral("_NET_WM_STATE")});
    if (!xprop.waitForFinished()) {
        return {QStringLiteral("xprop failed")};
    }
    const QString out = QString::fromLocal8Bit(xprop.readAllStandardOutput());
    const qsizetype equals = out.indexOf(QLatin1Char('='));
    if (equals < 0) {
        return {};
    }
    QStringList atoms = out.mid(equals + 1).split(QLatin1Char(','));
    for (QString &atom : atoms) {
        atom = atom.trimmed();
    }
    return atoms;
}

const QString kSkipTaskbar = QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR");
const QString kSkipPager = QStringLiteral("_NET_WM_STATE_SKIP_PAGER");

// Runs `open`, which shows a modal window; reads that window's states once it
// is on screen, then dismisses it with `button`. A window that is not exposed or not
// active in time reports which, and "inactive", among its states.
QStringList StatesOfModal(const std::function<void()> &open, QMessageBox::StandardButton button) {
    QStringList states;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        const QString notExposed = vrc::test::WaitExposed(modal);
        if (notExposed.isEmpty()) {
            states = NetWmState(*modal);
        } else {
            states << notExposed;
        }
        const QString notActive = vrc::test::WaitActive(modal);
        if (!notActive.isEmpty()) {
            states << QStringLiteral("inactive") << notActive;
        }
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->button(button)->click();
        } else {
            modal->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        }
    });
    open();
    return states;
}

} // namespace

class TestDesktopX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs an X server: run through run_under_xvfb.sh");
        }
        Module1::ApplyProgramIdentity();
    }

    void startUp() {
        const QStringList aboutStates = StatesOfModal(Module1::Main, QMessageBox::Ok);
        QVERIFY2(aboutStates.contains(kSkipTaskbar), qPrintable(aboutStates.join(' ')));
        QVERIFY2(aboutStates.contains(kSkipPager), qPrintable(aboutStates.join(' ')));
        QVERIFY2(!aboutStates.contains(QStringLiteral("inactive")),
                 qPrintable(aboutStates.join(' ')));

        auto &rating = Module1::frmVornRating();
        VRC_WAIT_EXPOSED(&rating);
        VRC_WAIT_ACTIVE(&rating);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtRold_0"));
        QVERIFY(!NetWmState(rating).contains(kSkipTaskbar));
    }

    void helpTwice() {
        auto &rating = Module1::frmVornRating();
        for (int press = 0; press < 2; ++press) {
            const QStringList states = StatesOfModal(
                [&] { rating.findChild<QPushButton *>(QStringLiteral("cmdHelp"))->click(); },
                QMessageBox::Ok);
            QVERIFY2(states.contains(kSkipTaskbar), qPrintable(states.join(' ')));
            QVERIFY2(states.contains(kSkipPager), qPrintable(states.join(' ')));
            VRC_WAIT_ACTIVE(&rating);
        }
    }

    void activeAgainAfterErrorBox() {
        auto &rating = Module1::frmVornRating();
        rating.findChild<QPushButton *>(QStringLiteral("cmdReset"))->click();
        const QStringList states = StatesOfModal(
            [&] { rating.findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click(); },
            QMessageBox::Ok);
        QVERIFY2(!states.contains(QStringLiteral("inactive")), qPrintable(states.join(' ')));
        VRC_WAIT_ACTIVE(&rating);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtRold_0"));
    }

    void cleanupTestCase() { Module1::UnloadForms(); }
};

QTEST_MAIN(TestDesktopX11)
#include "test_desktop_x11.moc"
