#pragma once

#include <QLineEdit>

namespace vrc::ui {

// A rating entry box. Receiving the focus, by any means, leaves the caret
// and selection as they were and then raises gotFocus, so that the window
// alone decides what becomes selected.
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
    struct Selection {
        int start = 0;
        int length = 0;
    };
    [[nodiscard]] Selection currentSelection() const;
    void restore(Selection selection);

    // The click that brought the focus must not undo what gotFocus selected.
    bool focusedByClick_ = false;
};

} // namespace vrc::ui
