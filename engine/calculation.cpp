#include "engine/calculation.h"

#include "engine/refusal_messages.h"

namespace vrc::engine {

namespace {

Refusal EntryRefusal(const EntryError &error) {
    const QString message = EntryErrorMessage(error.problem);
    switch (error.problem) {
    case EntryProblem::NotNumeric:
        return {RefusalProblem::NotNumeric, error.group, error.row, message};
    case EntryProblem::OutOfRange:
        return {RefusalProblem::OutOfRange, error.group, error.row, message};
    case EntryProblem::NoRating:
        break;
    }
    return {RefusalProblem::NoRating, error.group, 0, message};
}

CalculationOutcome CalculateValidated(const ValidationResult &validation) {
    if (const auto *error = std::get_if<EntryError>(&validation)) {
        return EntryRefusal(*error);
    }
    Calculation calculation{std::get<AcceptedRatings>(validation), {}, {}};
    calculation.result = CalculateRatings(calculation.accepted);
    const auto rows = NewTeamRatings(calculation.accepted, calculation.result);
    if (const auto *overflow = std::get_if<RatingOverflow>(&rows)) {
        return Refusal{RefusalProblem::NewRatingOutOfRange, kGroupTeam, overflow->row,
                       NewRatingOutOfRangeMessage()};
    }
    calculation.rows = std::get<TeamRatings>(rows);
    return calculation;
}

} // namespace

CalculationOutcome CalculateEntries(const RatingEntrySet &entries, const QLocale &locale) {
    return CalculateValidated(ValidateEntries(entries, locale));
}

CalculationOutcome CalculateBoxes(const RatingBoxSet &boxes, const QLocale &locale) {
    return CalculateValidated(ValidateBoxes(boxes, locale));
}

} // namespace vrc::engine
