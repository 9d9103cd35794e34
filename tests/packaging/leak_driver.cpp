// Runs the program as main() does and walks it through one session from the
// outside: OK on the About window, a calculation, an entry error, Help, Exit.
// Meant to run under valgrind; exits non-zero when the session went wrong, so
// a leak check never passes on a program that did not do its work.

#include "app/module1.h"
#include "runtime/fault_boundary.h"
#include "ui/rating_window/frm_vorn_rating.h"
#include "ui/rating_window/picture_box.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

using vrc::app::Module1::frmVornRating;

// Generous: everything runs many times slower under valgrind.
constexpr int kWatchdogMs = 90'000;
constexpr int kPollMs = 20;

QStringList g_failures;

void Fail(const QString &what) {
    g_failures << what;
    std::fprintf(stderr, "leak_driver: %s\n", qPrintable(what));
}

template <typename Widget> Widget *Child(const char *name) {
    auto *child = frmVornRating().findChild<Widget *>(QLatin1String(name));
    if (child == nullptr) {
        Fail(QStringLiteral("no control %1 on the rating window").arg(QLatin1String(name)));
    }
    return child;
}

QString Shown(const char *pictureBox) {
    const auto *box = Child<vrc::ui::PictureBox>(pictureBox);
    return box != nullptr ? box->Text() : QString();
}

void Type(const char *entryBox, const QString &text) {
    if (auto *box = Child<QLineEdit>(entryBox)) {
        box->setText(text);
    }
}

void Press(const char *button) {
    if (auto *control = Child<QPushButton>(button)) {
        control->click();
    }
}

// Answers the next modal window named `name` by pressing the button `press`
// picks, once it is up. Armed before the call that blocks in it; the flag
// turns true once it has answered.
std::shared_ptr<bool> AnswerModal(const QString &name,
                                  std::function<QAbstractButton *(QWidget *)> press) {
    auto answered = std::make_shared<bool>(false);
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, name, answered, press = std::move(press)] {
                         QWidget *modal = QApplication::activeModalWidget();
                         if (*answered || modal == nullptr || modal->objectName() != name) {
                             return;
                         }
                         *answered = true;
                         poll->deleteLater();
                         if (QAbstractButton *button = press(modal)) {
                             button->click();
                         } else {
                             Fail(QStringLiteral("%1 has no button to press").arg(name));
                             modal->close();
                         }
                     });
    poll->start(kPollMs);
    return answered;
}

std::shared_ptr<bool> AnswerAbout() {
    return AnswerModal(QStringLiteral("frmAbout"), [](QWidget *about) {
        return about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    });
}

std::shared_ptr<bool> AnswerMessageBox() {
    // QMessageBox has no object name of its own.
    return AnswerModal(QString(), [](QWidget *modal) -> QAbstractButton * {
        auto *box = qobject_cast<QMessageBox *>(modal);
        return box != nullptr ? box->button(QMessageBox::Ok) : nullptr;
    });
}

void Session() {
    Type("txtRold_0", QStringLiteral("1500"));
    Type("txtRold_1", QStringLiteral("1620"));
    Type("txtROpponent_0", QStringLiteral("1580"));
    Type("txtROpponent_1", QStringLiteral("1490"));
    Press("cmdCalculate");
    const QString afterWin = Shown("picRwin_0");
    if (afterWin.isEmpty() || Shown("picRlose_0").isEmpty() || !Shown("picRwin_2").isEmpty()) {
        Fail(QStringLiteral("Calculate did not show the team's new ratings"));
    }

    // The message box is built and torn down, and the results stay.
    Type("txtRold_0", QStringLiteral("fifteen hundred"));
    const auto errorAnswered = AnswerMessageBox();
    Press("cmdCalculate");
    if (!*errorAnswered) {
        Fail(QStringLiteral("an entry error showed no message box"));
    }
    if (Shown("picRwin_0") != afterWin) {
        Fail(QStringLiteral("an entry error changed the results on show"));
    }

    // The About window is loaded a second time, over the rating window.
    const auto helpAnswered = AnswerAbout();
    Press("cmdHelp");
    if (!*helpAnswered) {
        Fail(QStringLiteral("Help showed no About window"));
    }

    Press("cmdExit");
}

// Whether a thread of Qt's global pool is still running (Linux names every
// thread in /proc).
bool PoolThreadsRunning() {
    const QDir tasks(QStringLiteral("/proc/self/task"));
    const QStringList ids = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(ids.cbegin(), ids.cend(), [&tasks](const QString &id) {
        QFile name(tasks.filePath(id + QStringLiteral("/comm")));
        return name.open(QIODevice::ReadOnly) && name.readAll().startsWith("Thread (pooled)");
    });
}

// Smooth scaling of the pictures runs in Qt's global thread pool. The pool
// lets its threads go when the application object goes, but each thread
// frees its own data only as it exits, after the pool has stopped waiting
// for it: a check at the end of the program that races those exits sees
// their data as lost. So the session ends once they have all exited.
void EndPoolThreads() {
    QThreadPool::globalInstance()->waitForDone();
    const QDeadlineTimer deadline(kWatchdogMs);
    while (PoolThreadsRunning()) {
        if (deadline.hasExpired()) {
            Fail(QStringLiteral("Qt's pool threads did not end"));
            return;
        }
        QThread::yieldCurrentThread();
    }
}

} // namespace

int main(int argc, char *argv[]) {
    vrc::runtime::GuardedApplication app(argc, argv);
    vrc::app::Module1::ApplyProgramIdentity();

    QTimer watchdog;
    watchdog.setSingleShot(true);
    // A stuck session may sit in a nested modal loop that no quit reaches.
    QObject::connect(&watchdog, &QTimer::timeout, &app, [] {
        Fail(QStringLiteral("the session did not finish in time"));
        std::_Exit(3);
    });
    watchdog.start(kWatchdogMs);

    int status = 0;
    AnswerAbout();
    if (app.guard(vrc::app::Module1::Main)) {
        QTimer session;
        session.setSingleShot(true);
        QObject::connect(&session, &QTimer::timeout, &app, Session);
        session.start(0);
        status = QApplication::exec();
    } else {
        Fail(QStringLiteral("start-up failed"));
    }
    vrc::app::Module1::UnloadForms();
    EndPoolThreads();

    if (status != 0) {
        Fail(QStringLiteral("the program ended with status %1").arg(status));
    }
    return g_failures.isEmpty() ? 0 : 1;
}
