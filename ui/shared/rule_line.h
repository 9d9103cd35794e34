#pragma once

#include <QWidget>

namespace vrc::ui {

// A rule drawn as a filled strip in one colour. A screen reader meets it as a
// separator, unless it only completes the look of the layout, which readers
// are spared.
class RuleLine : public QWidget {
    Q_OBJECT

public:
    enum class Reading {
        Separator,
        Decoration,
    };

    RuleLine(Reading reading, QWidget *parent);

    [[nodiscard]] Reading reading() const { return reading_; }

private:
    Reading reading_;
};

} // namespace vrc::ui
