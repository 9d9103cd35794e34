#pragma once

#include <QLineEdit>

namespace vrc::ui {

// A rating entry box. Receiving the focus, by any means, raises gotFocus
// with the caret and selection as they were (or, for a click, where the
// click put the caret), so that the window alone decides what becomes
// selected: Qt's own select-all on Tab does not apply.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryBox(QWidget *parent = nullptr);

signals:
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // A focusing click raises gotFocus once it has placed the caret, so
    // the selection runs from where the user clicked.
    bool focusedByClick_ = false;
};

} // namespace vrc::ui
