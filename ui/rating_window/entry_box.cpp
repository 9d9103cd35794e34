#include "ui/rating_window/entry_box.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace vrc::ui {

EntryBox::EntryBox(QWidget *parent)
    : QLineEdit(parent) {}

EntryBox::Selection EntryBox::currentSelection() const {
    if (hasSelectedText()) {
        return {selectionStart(), selectionLength()};
    }
    return {cursorPosition(), 0};
}

void EntryBox::restore(Selection selection) {
    if (selection.length > 0) {
        setSelection(selection.start, selection.length);
    } else {
        setCursorPosition(selection.start);
    }
}

void EntryBox::focusInEvent(QFocusEvent *event) {
    // Returning to the window or closing a popup is not receiving the focus.
    const bool received =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    const Selection before = currentSelection();
    QLineEdit::focusInEvent(event); // selects everything on Tab
    if (!received) {
        return;
    }
    restore(before);
    focusedByClick_ = event->reason() == Qt::MouseFocusReason;
    emit gotFocus();
}

void EntryBox::mousePressEvent(QMouseEvent *event) {
    const Selection chosen = currentSelection();
    QLineEdit::mousePressEvent(event);
    if (focusedByClick_) {
        focusedByClick_ = false;
        restore(chosen);
    }
}

} // namespace vrc::ui
