#include "ui/shared/rule_line.h"

namespace vrc::ui {

RuleLine::RuleLine(Reading reading, QWidget *parent)
    : QWidget(parent)
    , reading_(reading) {
    setAutoFillBackground(true);
}

} // namespace vrc::ui
