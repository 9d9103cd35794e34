#include "ui/shared/reading_order_accessible.h"

#include "ui/shared/rule_line.h"

#include <algorithm>

namespace vrc::ui {

ReadingOrderAccessible::ReadingOrderAccessible(QWidget *window, QAccessible::Role role)
    : QAccessibleWidget(window, role) {}

QList<QWidget *> ReadingOrderAccessible::listedChildren() const {
    QList<QWidget *> listed;
    for (QObject *object : widget()->children()) {
        auto *control = qobject_cast<QWidget *>(object);
        if (control == nullptr || control->isWindow()) {
            continue;
        }
        const auto *rule = qobject_cast<RuleLine *>(control);
        if (rule != nullptr && rule->reading() == RuleLine::Reading::Decoration) {
            continue;
        }
        listed.append(control);
    }
    // Stable, so controls at the very same place keep their stacking order. A row reads
    // from the side its lines start on: the right one in a mirrored window.
    const bool rightToLeft = widget()->isRightToLeft();
    std::stable_sort(listed.begin(), listed.end(),
                     [rightToLeft](const QWidget *a, const QWidget *b) {
                         const QRect ra = a->geometry();
                         const QRect rb = b->geometry();
                         if (ra.top() != rb.top()) {
                             return ra.top() < rb.top();
                         }
                         return rightToLeft ? ra.right() > rb.right() : ra.left() < rb.left();
                     });
    return listed;
}

int ReadingOrderAccessible::childCount() const {
    return static_cast<int>(listedChildren().size());
}

QAccessibleInterface *ReadingOrderAccessible::child(int index) const {
    const QList<QWidget *> listed = listedChildren();
    if (index < 0 || index >= listed.size()) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(listed.at(index));
}

int ReadingOrderAccessible::indexOfChild(const QAccessibleInterface *child) const {
    if (child == nullptr) {
        return -1;
    }
    return static_cast<int>(listedChildren().indexOf(qobject_cast<QWidget *>(child->object())));
}

QAccessibleInterface *ReadingOrderAccessible::childAt(int x, int y) const {
    const QList<QWidget *> listed = listedChildren();
    const QPoint point = widget()->mapFromGlobal(QPoint(x, y));
    const QObjectList &stacking = widget()->children();
    // children() runs back to front.
    for (auto it = stacking.crbegin(); it != stacking.crend(); ++it) {
        auto *control = qobject_cast<QWidget *>(*it);
        if (control != nullptr && control->isVisible() && listed.contains(control) &&
            control->geometry().contains(point)) {
            return QAccessible::queryAccessibleInterface(control);
        }
    }
    return nullptr;
}

QAccessibleInterface *SharedAccessibleFactory(const QString & /*className*/, QObject *object) {
    if (auto *rule = qobject_cast<RuleLine *>(object)) {
        return new QAccessibleWidget(rule, QAccessible::Separator);
    }
    return nullptr;
}

} // namespace vrc::ui
