#include "ui/rating_window/picture_box_accessible.h"

#include "ui/rating_window/picture_box.h"

#include <QFontMetrics>
#include <algorithm>

namespace vrc::ui {

PictureBoxAccessible::PictureBoxAccessible(PictureBox *box)
    : QAccessibleWidget(box, QAccessible::StaticText) {}

const PictureBox *PictureBoxAccessible::box() const {
    return static_cast<const PictureBox *>(widget());
}

QString PictureBoxAccessible::text(QAccessible::Text t) const {
    // For bridges that read a label's value rather than its text.
    if (t == QAccessible::Value) {
        return box()->Text();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State PictureBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

void *PictureBoxAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface *>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

void PictureBoxAccessible::selection(int /*selectionIndex*/, int *startOffset,
                                     int *endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString PictureBoxAccessible::text(int startOffset, int endOffset) const {
    const QString shown = box()->Text();
    const auto size = static_cast<int>(shown.size());
    // -1 as the end means "to the end of the text", as readers ask it.
    const int end = endOffset < 0 || endOffset > size ? size : endOffset;
    const int start = std::clamp(startOffset, 0, end);
    return shown.mid(start, end - start);
}

int PictureBoxAccessible::characterCount() const {
    return static_cast<int>(box()->Text().size());
}

QRect PictureBoxAccessible::characterRect(int offset) const {
    const QString shown = box()->Text();
    if (offset < 0 || offset >= shown.size()) {
        return {};
    }
    const auto before = QStringView(shown).left(offset);
    const auto line = static_cast<int>(before.count(QLatin1Char('\n')));
    const auto lineStart = static_cast<int>(before.lastIndexOf(QLatin1Char('\n')) + 1);
    const QFontMetrics metrics(box()->font());
    const QRect lineRect = box()->LineRect(line);
    const int left = metrics.horizontalAdvance(shown.mid(lineStart, offset - lineStart));
    const QChar character = shown.at(offset);
    const int width = character == QLatin1Char('\n') ? 0 : metrics.horizontalAdvance(character);
    const QRect local(lineRect.left() + left, lineRect.top(), width, lineRect.height());
    return {box()->mapToGlobal(local.topLeft()), local.size()};
}

int PictureBoxAccessible::offsetAtPoint(const QPoint &point) const {
    const QPoint local = box()->mapFromGlobal(point);
    const QStringList lines = box()->Text().split(QLatin1Char('\n'));
    const QFontMetrics metrics(box()->font());
    int lineStart = 0;
    for (int line = 0; line < lines.size(); ++line) {
        const QString &text = lines.at(line);
        const QRect rect = box()->LineRect(line);
        if (rect.top() <= local.y() && local.y() <= rect.bottom() && local.x() >= rect.left()) {
            for (int column = 0; column < text.size(); ++column) {
                if (local.x() < rect.left() + metrics.horizontalAdvance(text.left(column + 1))) {
                    return lineStart + column;
                }
            }
            return -1;
        }
        lineStart += static_cast<int>(text.size()) + 1;
    }
    return -1;
}

QString PictureBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

} // namespace vrc::ui
