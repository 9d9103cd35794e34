#include "ui/rating_window/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace vrc::ui {

namespace {

// Lets a screen reader read the printed value as the box's value.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox *box)
        : QAccessibleWidget(box, QAccessible::StaticText) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return static_cast<const PictureBox *>(widget())->Text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *PictureBoxAccessibleFactory(const QString & /*className*/, QObject *object) {
    if (auto *box = qobject_cast<PictureBox *>(object)) {
        return new PictureBoxAccessible(box);
    }
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(PictureBoxAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    // Reachable by Tab and by click, so keyboard users can read the result.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::Cls() {
    lines_.clear();
    shownTextChanged();
}

void PictureBox::Print(engine::Rating value) {
    const QString digits = QString::number(value);
    lines_.append(value < 0 ? digits : QLatin1Char(' ') + digits);
    shownTextChanged();
}

void PictureBox::shownTextChanged() {
    update();
    setAccessibleDescription(Text());
    QAccessibleValueChangeEvent event(this, Text());
    QAccessible::updateAccessibility(&event);
}

void PictureBox::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const QFontMetrics metrics(font());
    int baseline = area.top() + metrics.ascent();
    for (const QString &line : lines_) {
        painter.drawText(area.left(), baseline, line);
        baseline += metrics.height();
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
