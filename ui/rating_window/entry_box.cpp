#include "ui/rating_window/entry_box.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <limits>

namespace vrc::ui {

EntryBox::EntryBox(QWidget *parent)
    : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
    // Numbers read left to right also in a window laid out right to left.
    setLayoutDirection(Qt::LeftToRight);
    connect(this, &QLineEdit::textChanged, this, &EntryBox::forgetKeptSelection);
    connect(this, &QLineEdit::selectionChanged, this, &EntryBox::forgetKeptSelection);
    connect(this, &QLineEdit::cursorPositionChanged, this, &EntryBox::forgetKeptSelection);
}

void EntryBox::SetFocus() {
    focusRaised_ = false;
    setFocus(Qt::OtherFocusReason);
    if (!focusRaised_) {
        // Qt sends no focus event to a box that already has the focus, or
        // in a window that is not active yet.
        const Selection held = currentSelection();
        setSelection(held.start, held.length);
        kept_.reset();
        emit gotFocus();
    }
}

void EntryBox::contextMenuEvent(QContextMenuEvent *event) {
    // Qt's menu takes the box's direction; its words read as the window's do.
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setLayoutDirection(window()->layoutDirection());
    menu->popup(event->globalPos());
}

EntryBox::Selection EntryBox::currentSelection() const {
    if (kept_) {
        return *kept_;
    }
    if (hasSelectedText()) {
        return {selectionStart(), static_cast<int>(selectedText().size())};
    }
    return {cursorPosition(), 0};
}

void EntryBox::forgetKeptSelection() {
    // Changes made while the focus is elsewhere replace what was kept.
    if (!hasFocus()) {
        kept_.reset();
    }
}

void EntryBox::focusInEvent(QFocusEvent *event) {
    const Selection held = currentSelection();
    kept_.reset();
    QLineEdit::focusInEvent(event); // selects everything on Tab
    setSelection(held.start, held.length);
    // Returning to the window or closing a popup is not receiving the focus.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    focusRaised_ = true;
    emit gotFocus();
}

void EntryBox::focusOutEvent(QFocusEvent *event) {
    const Selection held = currentSelection();
    QLineEdit::focusOutEvent(event); // drops the selection
    kept_ = held;
}

} // namespace vrc::ui
