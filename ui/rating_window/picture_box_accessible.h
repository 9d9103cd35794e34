#pragma once

#include <QAccessibleWidget>

namespace vrc::ui {

class PictureBox;

// An output box as a screen reader meets it: a read-only label whose text is
// exactly what the box shows, offered through the text interface so readers
// can read it, and follow it through PictureBox's text-changed events.
class PictureBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PictureBoxAccessible(PictureBox *box);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // Nothing in the box is selectable and it has no caret.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}

    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    [[nodiscard]] QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    [[nodiscard]] const PictureBox *box() const;
};

} // namespace vrc::ui
