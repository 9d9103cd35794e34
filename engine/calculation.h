#pragma once

#include "engine/entry_validation.h"
#include "engine/rating_calculation.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <variant>

namespace vrc::engine {

// The numbers are part of the web module's answer: keep them.
enum class RefusalProblem { NotNumeric = 0, OutOfRange = 1, NoRating = 2, NewRatingOutOfRange = 3 };

// Why a calculation was refused, and the box the user is sent back to.
struct Refusal {
    RefusalProblem problem = RefusalProblem::NotNumeric;
    std::int16_t group = kGroupTeam; // kGroupTeam or kGroupOpponents
    // 0..2; for NoRating, which names a whole side, 0: the side's top box.
    int row = 0;
    QString message; // in the user's language
};

// Everything a calculation shows.
struct Calculation {
    AcceptedRatings accepted;
    RatingResult result;
    TeamRatings rows;
};

using CalculationOutcome = std::variant<Calculation, Refusal>;

// The six boxes' texts to what the user is shown: checked, calculated, and every new
// rating formed, or the first refusal in the order the window reports them.
[[nodiscard]] CalculationOutcome CalculateEntries(const RatingEntrySet &entries,
                                                  const QLocale &locale);
// The same for boxes a program fills, with numbers or texts.
[[nodiscard]] CalculationOutcome CalculateBoxes(const RatingBoxSet &boxes, const QLocale &locale);

} // namespace vrc::engine
