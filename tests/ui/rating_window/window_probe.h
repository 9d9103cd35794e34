#pragma once

#include "ui/rating_window/picture_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>

// What the six output boxes show: win rows 0..2, then loss rows 0..2.
using Shown = std::array<QString, 6>;

// Finds the rating window's controls by their names; a missing one ends the
// test at once, since nothing after it could mean anything.
class WindowProbe {
protected:
    template <typename T> T *find(const QString &name) const {
        T *control = probed_->findChild<T *>(name);
        if (control == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return control;
    }
    static QString Name(const char *array, int index) {
        return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
    }
    QLineEdit *team(int row) const { return find<QLineEdit>(Name("txtRold", row)); }
    QLineEdit *opponent(int row) const { return find<QLineEdit>(Name("txtROpponent", row)); }
    vrc::ui::PictureBox *win(int row) const {
        return find<vrc::ui::PictureBox>(Name("picRwin", row));
    }
    vrc::ui::PictureBox *lose(int row) const {
        return find<vrc::ui::PictureBox>(Name("picRlose", row));
    }
    QPushButton *button(const char *name) const { return find<QPushButton>(QLatin1String(name)); }
    [[nodiscard]] Shown shown() const {
        Shown boxes;
        for (int row = 0; row < 3; ++row) {
            boxes.at(row) = win(row)->Text();
            boxes.at(row + 3) = lose(row)->Text();
        }
        return boxes;
    }

    QWidget *probed_ = nullptr;
};
