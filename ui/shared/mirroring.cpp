#include "ui/shared/mirroring.h"

#include <QStyle>
#include <QWidget>

namespace vrc::ui {

QRect Placed(const QWidget &window, const QRect &rect, int width) {
    if (window.layoutDirection() != Qt::RightToLeft) {
        return rect;
    }
    return {width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height()};
}

Qt::Alignment Aligned(const QWidget &window, Qt::Alignment alignment) {
    if (window.layoutDirection() != Qt::RightToLeft) {
        return alignment;
    }
    return QStyle::visualAlignment(Qt::RightToLeft, alignment) | Qt::AlignAbsolute;
}

} // namespace vrc::ui
