#pragma once

#include <QFont>
#include <QStringList>

namespace vrc::ui {

// "Nimbus Roman No9 L", bold italic (upright right to left): headings, labels and
// buttons.
QFont CaptionFont(qreal points);

// "MS Sans Serif", 8.25 pt regular: the boxes and the About window's text.
// Where it is missing, stand-ins of like width and 13 px line spacing keep
// texts within their rectangles; the generic sans runs too wide.
QFont BoxFont();

} // namespace vrc::ui
