#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace vrc::ui {

// A window as a screen reader meets it: with a role of its own, and with its
// controls listed as they are read on screen, top to bottom and then in the
// window's direction (right to left in a mirrored one), whatever their stacking.
// Decoration rules are left out.
class ReadingOrderAccessible : public QAccessibleWidget {
public:
    ReadingOrderAccessible(QWidget *window, QAccessible::Role role);

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    // The front-most listed control under the point, as the eye sees it.
    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override;

private:
    [[nodiscard]] QList<QWidget *> listedChildren() const;
};

// Interfaces for the controls both windows share: rules become separators.
QAccessibleInterface *SharedAccessibleFactory(const QString &className, QObject *object);

} // namespace vrc::ui
