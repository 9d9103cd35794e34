#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vrc::runtime {

// How the program speaks to the user outside its own windows: the beep, the
// exclamation message box and ending the program. Tests install their own.
class UserFeedback {
public:
    UserFeedback() = default;
    UserFeedback(const UserFeedback &) = delete;
    UserFeedback &operator=(const UserFeedback &) = delete;
    virtual ~UserFeedback() = default;

    // The system beep; returns at once.
    virtual void Beep() = 0;
    // A modal box with the exclamation icon and a single OK button; returns
    // when the user has dismissed it.
    virtual void Exclaim(QWidget *parent, const QString &text, const QString &title) = 0;
    // Ends the program at once: no further event of any window runs.
    virtual void End() = 0;
};

// The feedback in force: Qt's own unless a replacement is installed.
UserFeedback &Feedback();

// Installs a replacement (not owned); nullptr restores Qt's own.
void SetFeedback(UserFeedback *replacement);

// Qt's own: QApplication::beep, QMessageBox, QCoreApplication::exit.
class QtFeedback final : public UserFeedback {
public:
    void Beep() override;
    void Exclaim(QWidget *parent, const QString &text, const QString &title) override;
    void End() override;
};

} // namespace vrc::runtime
