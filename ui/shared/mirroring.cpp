#include "ui/shared/mirroring.h"

#include <QWidget>

namespace vrc::ui {

QRect Placed(const QWidget &window, const QRect &rect, int width) {
    if (window.layoutDirection() != Qt::RightToLeft) {
        return rect;
    }
    return {width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height()};
}

} // namespace vrc::ui
