#pragma once

#include <QLineEdit>
#include <optional>

namespace vrc::ui {

// A rating entry box. Receiving the focus, by any means, raises gotFocus
// with the selection the box had when it lost the focus, so that the window
// alone decides what becomes selected: Qt's own select-all on Tab does not
// apply, and a focusing click places the caret only after the handler ran.
// The text has no length limit.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryBox(QWidget *parent = nullptr);

    // Takes the keyboard focus and raises gotFocus, even when the box
    // already has the focus or its window is not active yet.
    void SetFocus();

signals:
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct Selection {
        int start = 0;
        int length = 0;
    };
    [[nodiscard]] Selection currentSelection() const;
    void forgetKeptSelection();

    // What Qt drops on focus-out; hidden, not lost, until the focus returns
    // or the program changes the text or selection meanwhile.
    std::optional<Selection> kept_;
    bool focusRaised_ = false;
};

} // namespace vrc::ui
