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
// refuse to show. In a right-to-left `direction` the table's cells are isolated.
[[nodiscard]] CalculationAnswer Calculate(const engine::RatingEntrySet &entries,
                                          ResultFormat format, const QLocale &locale,
                                          Qt::LayoutDirection direction = Qt::LeftToRight);

// A message led by where it arose (the program, a side and row), in the translation's
// punctuation.
[[nodiscard]] QString PlaceAndMessage(const QString &place, const QString &message);

// Text kept whole and apart from its neighbours by a terminal that applies the
// bidirectional algorithm, in its own direction (first strong character); it takes no
// column on the terminal.
[[nodiscard]] QString Isolated(const QString &text);

} // namespace vrc::app
