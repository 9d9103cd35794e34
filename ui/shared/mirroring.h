#pragma once

#include <QRect>

class QWidget;

namespace vrc::ui {

// Where a control drawn at `rect` in a left-to-right window `width` pixels wide
// stands in `window`: mirrored about the window's middle when the window runs
// right to left, as Arabic does. Fixed positions are not mirrored by Qt itself.
[[nodiscard]] QRect Placed(const QWidget &window, const QRect &rect, int width);

// A caption's alignment in `window`: mirrored right to left whatever the caption's own
// script, so that a name in Latin letters lines up with the Arabic around it.
[[nodiscard]] Qt::Alignment Aligned(const QWidget &window, Qt::Alignment alignment);

} // namespace vrc::ui
