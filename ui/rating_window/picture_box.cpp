#include "ui/rating_window/picture_box.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace vrc::ui {

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    // Reachable by Tab and by click, so keyboard users can read the result.
    setFocusPolicy(Qt::StrongFocus);
    // Numbers read left to right also in a window laid out right to left.
    setLayoutDirection(Qt::LeftToRight);
}

void PictureBox::Cls() {
    const QString erased = Text();
    lines_.clear();
    update();
    if (!erased.isEmpty() && QAccessible::isActive()) {
        QAccessibleTextRemoveEvent event(this, 0, erased);
        QAccessible::updateAccessibility(&event);
    }
}

void PictureBox::Print(engine::Rating value) {
    const auto position = static_cast<int>(Text().size());
    const QString digits = QString::number(value);
    lines_.append(value < 0 ? digits : QLatin1Char(' ') + digits);
    update();
    if (QAccessible::isActive()) {
        const QString added = lines_.size() > 1 ? QLatin1Char('\n') + lines_.last() : lines_.last();
        QAccessibleTextInsertEvent event(this, position, added);
        QAccessible::updateAccessibility(&event);
    }
}

QString PictureBox::Numbers() const {
    QStringList numbers;
    for (const QString &line : lines_) {
        numbers << line.trimmed();
    }
    return numbers.join(QLatin1Char('\n'));
}

void PictureBox::Copy() const {
    if (const QString numbers = Numbers(); !numbers.isEmpty()) {
        QGuiApplication::clipboard()->setText(numbers);
    }
}

void PictureBox::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

QRect PictureBox::LineRect(int line) const {
    const QRect area = contentsRect();
    const int height = QFontMetrics(font()).height();
    return {area.left(), area.top() + line * height, area.width(), height};
}

void PictureBox::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const int ascent = QFontMetrics(font()).ascent();
    for (int line = 0; line < lines_.size(); ++line) {
        const QRect rect = LineRect(line);
        painter.drawText(rect.left(), rect.top() + ascent, lines_.at(line));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = area;
        option.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace vrc::ui
