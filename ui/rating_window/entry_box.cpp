#include "ui/rating_window/entry_box.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace vrc::ui {

EntryBox::EntryBox(QWidget *parent)
    : QLineEdit(parent) {}

void EntryBox::focusInEvent(QFocusEvent *event) {
    // Returning to the window or closing a popup is not receiving the focus.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        QLineEdit::focusInEvent(event);
        return;
    }
    const bool selected = hasSelectedText();
    const int start = selected ? selectionStart() : cursorPosition();
    const int length = selected ? static_cast<int>(selectedText().size()) : 0;
    QLineEdit::focusInEvent(event); // selects everything on Tab
    setSelection(start, length);
    if (reason == Qt::MouseFocusReason) {
        focusedByClick_ = true;
        return;
    }
    emit gotFocus();
}

void EntryBox::mousePressEvent(QMouseEvent *event) {
    QLineEdit::mousePressEvent(event);
    if (focusedByClick_) {
        focusedByClick_ = false;
        emit gotFocus();
    }
}

} // namespace vrc::ui
