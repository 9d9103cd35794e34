#include "ui/shared/fonts.h"

#include "runtime/language.h"

#include <QGuiApplication>

namespace vrc::ui {

namespace {

// Chinese and Japanese share their characters but draw some of them differently: the
// translation on show decides, not the user's first language, which may be one the
// program refused (zh-TW before ja).
QString CjkBoxFace() {
    return runtime::InstalledLanguage().startsWith(QLatin1String("zh"))
               ? QStringLiteral("Noto Sans CJK SC")
               : QStringLiteral("Noto Sans CJK JP");
}

} // namespace

QFont CaptionFont(qreal points) {
    QFont font;
    // Named stand-ins spare the platform a search through every face it has: Windows
    // has Times New Roman, of the same metrics.
    // The faces after them carry the letters Nimbus Roman lacks, within the height of
    // its lines (the captions' rectangles leave no more): Chinese and Japanese, then
    // Arabic.
    font.setFamilies({QStringLiteral("Nimbus Roman No9 L"), QStringLiteral("Nimbus Roman"),
                      QStringLiteral("Times New Roman"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::Serif);
    const bool leftToRight = QGuiApplication::layoutDirection() == Qt::LeftToRight;
    // Arabic letters come from DejaVu Sans, wider and deeper than Nimbus Roman: two
    // pixels smaller (11 instead of 13 at 9.75 points), natural words fit the columns
    // and stay above the rule under the headings.
    font.setPointSizeF(leftToRight ? points : points * 11 / 13);
    font.setWeight(QFont::Bold);
    // Arabic is not written in italics, and the sloped faces here have no Arabic
    // letters: asked for italic, they would show nothing.
    font.setItalic(leftToRight);
    return font;
}

QFont BoxFont() {
    QFont font;
    // Noto Sans CJK draws Chinese and Japanese each in its own letterforms; where it is
    // missing, Droid Sans Fallback (which the Debian package depends on) draws both.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed"), CjkBoxFace(),
                      QStringLiteral("Droid Sans Fallback")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    // Explicit, so that a bold italic window font never shows through.
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

} // namespace vrc::ui
