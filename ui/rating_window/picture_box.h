#pragma once

#include "engine/rating.h"

#include <QFrame>
#include <QStringList>

namespace vrc::ui {

// An output box: shows numbers only through Cls and Print, never takes
// typed input, but joins the focus order. What it printed is kept, so it
// survives the box being covered and uncovered.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Erases everything printed; the next Print starts at the top-left.
    void Cls();
    // A blank before a non-negative value, "-" before a negative one, then
    // the digits; the print position moves to the next line.
    void Print(engine::Rating value);

    // What the box shows, one printed line per line.
    [[nodiscard]] QString Text() const { return lines_.join(QLatin1Char('\n')); }
    // What it shows as numbers to paste elsewhere: without the blank standing in for
    // a plus sign. Empty when it shows nothing.
    [[nodiscard]] QString Numbers() const;
    // Puts Numbers() on the clipboard; an empty box leaves the clipboard alone.
    void Copy() const;
    // Where printed line `line` (from 0) is drawn, in the box's coordinates.
    [[nodiscard]] QRect LineRect(int line) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // The platform's copy keys (Ctrl+C, Ctrl+Insert) copy the number.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QStringList lines_;
};

} // namespace vrc::ui
