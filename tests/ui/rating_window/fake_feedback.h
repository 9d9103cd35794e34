#pragma once

#include "runtime/user_feedback.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// Records the beeps, messages and program ends instead of making them, and
// answers every message at once.
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
    }
    void End() override { ++ends; }

    int beeps = 0;
    int ends = 0;
    QList<Message> messages;
};
