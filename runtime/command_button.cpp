#include "runtime/command_button.h"

#include <QKeySequence>
#include <QShortcutEvent>

namespace vrc::runtime {

CommandButton::CommandButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent) {}

bool CommandButton::event(QEvent *event) {
    if (event->type() == QEvent::Shortcut) {
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (!shortcut->isAmbiguous() && shortcut->key() == QKeySequence::mnemonic(text())) {
            click();
            return true;
        }
    }
    return QPushButton::event(event);
}

} // namespace vrc::runtime
