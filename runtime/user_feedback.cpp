#include "runtime/user_feedback.h"

#include "runtime/window_system.h"

#include <QApplication>
#include <QMessageBox>

namespace vrc::runtime {

namespace {
UserFeedback *g_replacement = nullptr;
} // namespace

UserFeedback &Feedback() {
    static QtFeedback qtFeedback;
    return g_replacement != nullptr ? *g_replacement : qtFeedback;
}

void SetFeedback(UserFeedback *replacement) {
    g_replacement = replacement;
}

void QtFeedback::Beep() {
    QApplication::beep();
}

void QtFeedback::Exclaim(QWidget *parent, const QString &text, const QString &title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.winId();
    ActivateWindow(box); // once on screen, also without a window manager
    box.exec();
}

void QtFeedback::End() {
    // Every window goes at once; the event loop returns and main() unwinds.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace vrc::runtime
