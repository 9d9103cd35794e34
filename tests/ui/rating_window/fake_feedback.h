#pragma once

#include "runtime/user_feedback.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QtGui/qpa/qwindowsysteminterface.h>
#include <functional>

// Runs the modal display `show`. Keys already queued are meant to close it;
// once they are all handled, a window still open is closed and counted in
// `rescued`, so that no test blocks.
inline void ShowModalRescued(const std::function<void()> &show, int &rescued) {
    QObject guard; // cancels the rescue once the display has returned
    QTimer::singleShot(0, &guard, [&rescued] {
        QWindowSystemInterface::flushWindowSystemEvents();
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++rescued;
            modal->close();
        }
    });
    show();
}

// Records the beeps, messages and program ends instead of making them, and
// answers every message at once, or shows the real message box when
// `realBoxes` is set.
class FakeFeedback final : public vrc::runtime::UserFeedback {
public:
    struct Message {
        QPointer<QWidget> parent;
        QString text;
        QString title;
        int beepsBefore = 0;
    };

    FakeFeedback() { vrc::runtime::SetFeedback(this); }
    FakeFeedback(const FakeFeedback &) = delete;
    FakeFeedback &operator=(const FakeFeedback &) = delete;
    ~FakeFeedback() override { vrc::runtime::SetFeedback(nullptr); }

    void Beep() override { ++beeps; }
    void Exclaim(QWidget *parent, const QString &text, const QString &title) override {
        messages.append({parent, text, title, beeps});
        if (realBoxes) {
            ShowModalRescued([&] { vrc::runtime::QtFeedback().Exclaim(parent, text, title); },
                             rescued);
        }
    }
    void End() override { ++ends; }

    int beeps = 0;
    int ends = 0;
    bool realBoxes = false;
    int rescued = 0; // real boxes left open by the keys meant to close them
    QList<Message> messages;
};
