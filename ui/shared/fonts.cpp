#include "ui/shared/fonts.h"

namespace vrc::ui {

QFont CaptionFont(qreal points) {
    QFont font;
    // Named stand-ins spare the platform a search through every face it has: Windows
    // has Times New Roman, of the same metrics.
    font.setFamilies({QStringLiteral("Nimbus Roman No9 L"), QStringLiteral("Nimbus Roman"),
                      QStringLiteral("Times New Roman")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    return font;
}

QFont BoxFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    // Explicit, so that a bold italic window font never shows through.
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

} // namespace vrc::ui
