#include "runtime/fault_boundary.h"
#include "runtime/runtime_error.h"
#include "tests/common/waits.h"
#include "tests/ui/rating_window/fake_feedback.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <new>
#include <stdexcept>

using namespace vrc::runtime;

namespace {
// Raises, from inside its event handler, whatever it is told to.
class Faulty : public QObject {
public:
    std::function<void()> raise;

protected:
    bool event(QEvent *event) override {
        if (event->type() == QEvent::User) {
            raise();
            return true;
        }
        return QObject::event(event);
    }
};

// Opens a message box when O is pressed, as a command's access key would.
class Opener : public QWidget {
public:
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    int leftOpen = 0; // boxes the keys typed ahead did not answer

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (event->key() != Qt::Key_O) {
            QWidget::keyPressEvent(event);
            return;
        }
        QMessageBox box(QMessageBox::Warning, QString(), QStringLiteral("?"), QMessageBox::Ok,
                        this);
        ShowModalRescued([&] { answer = static_cast<QMessageBox::StandardButton>(box.exec()); },
                         leftOpen);
    }
};

GuardedApplication &App() {
    return *static_cast<GuardedApplication *>(QCoreApplication::instance());
}
} // namespace

class TestFaultBoundary : public QObject {
    Q_OBJECT

private slots:
    void faultsStopAtTheBoundary_data() {
        QTest::addColumn<std::function<void()>>("raise");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("overflow") << std::function<void()>(RaiseOverflow) << 6 << "Overflow";
        QTest::newRow("out of memory")
            << std::function<void()>([] { throw std::bad_alloc(); }) << 7 << "Out of memory";
        QTest::newRow("standard exception")
            << std::function<void()>([] { throw std::logic_error("broken"); }) << 51 << "broken";
        QTest::newRow("anything else")
            << std::function<void()>([] { throw 42; }) << 51 << "Internal error";
    }
    void faultsStopAtTheBoundary() {
        QFETCH(std::function<void()>, raise);
        QList<FaultReport> reports;
        App().setFaultHandler([&](const FaultReport &report) { reports << report; });
        Faulty faulty;
        faulty.raise = raise;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&faulty, &event);
        App().setFaultHandler({});
        QCOMPARE(reports.size(), 1);
        QTEST(reports.front().number, "number");
        QTEST(reports.front().name, "name");
    }

    void postedEventFaultIsCaughtToo() {
        int faults = 0;
        App().setFaultHandler([&](const FaultReport &) { ++faults; });
        auto *faulty = new Faulty;
        faulty->raise = RaiseOverflow;
        QCoreApplication::postEvent(faulty, new QEvent(QEvent::User));
        QTRY_COMPARE_WITH_TIMEOUT(faults, 1, vrc::test::kWaitMs);
        App().setFaultHandler({});
        delete faulty;
    }

    // The program's own application object passes keys typed ahead of a
    // modal box to that box.
    void typeAheadReachesModalBox() {
        Opener window;
        window.show();
        VRC_WAIT_ACTIVE(&window);
        for (const auto &[key, text] :
             {std::pair{Qt::Key_O, "o"}, std::pair{Qt::Key_Return, "\r"}}) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QWindowSystemInterface::handleKeyEvent<
                    QWindowSystemInterface::AsynchronousDelivery>(
                    window.windowHandle(), type, key, Qt::NoModifier, QLatin1String(text));
            }
        }
        QWindowSystemInterface::flushWindowSystemEvents();
        QCOMPARE(window.leftOpen, 0);
        QCOMPARE(window.answer, QMessageBox::Ok);
    }

    void reportNamesErrorAndNumber() {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        ShowFaultReport({6, QStringLiteral("Overflow")});
        QCOMPARE(title, QStringLiteral("FaultBoundaryTest"));
        QCOMPARE(text, QStringLiteral("Run-time error '6':\n\nOverflow"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
    }
};

int main(int argc, char *argv[]) {
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("FaultBoundaryTest"));
    TestFaultBoundary test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fault_boundary.moc"
