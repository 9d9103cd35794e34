#pragma once

#include "engine/entry_validation.h"

#include <QLocale>
#include <QString>

namespace vrc::app {

enum class ResultFormat { Table, Json };

struct CalculationAnswer {
    // An entry error: `text` is the window's message, led by the side and row at fault.
    bool refused = false;
    // The results, or the refusal; ends with a newline.
    QString text;
};

// Runs the window's engine on ratings given on the command line, one box's text per
// rating: the same checks, rule and rounding, and nothing shown that the window would
// refuse to show.
[[nodiscard]] CalculationAnswer Calculate(const engine::RatingEntrySet &entries,
                                          ResultFormat format, const QLocale &locale);

} // namespace vrc::app
