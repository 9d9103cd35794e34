#include "engine/entry_validation.h"

#include "runtime/numbers.h"

#include <cmath>

namespace vrc::engine {

namespace {

struct GroupTally {
    std::array<Rating, kRows> &ratings;
    std::array<bool, kRows> &present;
    int &count;
    std::int32_t &total;
};

// nullopt: the box was empty or held a rating, now tallied.
std::optional<EntryProblem> TakeBox(const std::optional<runtime::Int16Reading> &reading, int row,
                                    const GroupTally &tally) {
    if (!reading) {
        return std::nullopt;
    }
    switch (reading->kind) {
    case runtime::NumberKind::NotNumeric:
        return EntryProblem::NotNumeric;
    case runtime::NumberKind::OutOfRange:
        return EntryProblem::OutOfRange;
    case runtime::NumberKind::InRange:
        break;
    }
    tally.ratings.at(row) = reading->value;
    tally.present.at(row) = true;
    ++tally.count;
    tally.total += reading->value;
    return std::nullopt;
}

// Reads the boxes in the window's order: team 0, opponent 0, team 1, ...
template <typename Read> ValidationResult Validate(const Read &read) {
    AcceptedRatings accepted;
    const GroupTally team{accepted.team, accepted.hasTeam, accepted.teamCount, accepted.teamTotal};
    const GroupTally opponents{accepted.opponents, accepted.hasOpponent, accepted.opponentCount,
                               accepted.opponentTotal};

    for (int row = 0; row < kRows; ++row) {
        const auto row16 = static_cast<std::int16_t>(row);
        if (const auto problem = TakeBox(read(kGroupTeam, row), row, team)) {
            return EntryError{row16, kGroupTeam, *problem};
        }
        if (const auto problem = TakeBox(read(kGroupOpponents, row), row, opponents)) {
            return EntryError{row16, kGroupOpponents, *problem};
        }
    }
    if (accepted.teamCount == 0) {
        return EntryError{kRowNoRating, kGroupTeam, EntryProblem::NoRating};
    }
    if (accepted.opponentCount == 0) {
        return EntryError{kRowNoRating, kGroupOpponents, EntryProblem::NoRating};
    }
    return accepted;
}

runtime::Int16Reading ReadNumber(double value) {
    if (std::isnan(value)) {
        return {runtime::NumberKind::NotNumeric, 0};
    }
    if (const auto rating = runtime::TryFpToInt16(value)) {
        return {runtime::NumberKind::InRange, *rating};
    }
    return {runtime::NumberKind::OutOfRange, 0};
}

} // namespace

ValidationResult ValidateEntries(const RatingEntrySet &entries, const QLocale &locale) {
    return Validate([&](std::int16_t group, int row) -> std::optional<runtime::Int16Reading> {
        const QString &text = (group == kGroupTeam ? entries.team : entries.opponents).at(row);
        if (text.isEmpty()) {
            return std::nullopt;
        }
        return runtime::ReadInt16(text, locale);
    });
}

ValidationResult ValidateBoxes(const RatingBoxSet &boxes, const QLocale &locale) {
    return Validate([&](std::int16_t group, int row) -> std::optional<runtime::Int16Reading> {
        const RatingBox &box = (group == kGroupTeam ? boxes.team : boxes.opponents).at(row);
        if (const auto *number = std::get_if<double>(&box)) {
            return ReadNumber(*number);
        }
        const auto *text = std::get_if<QString>(&box);
        if (text == nullptr || text->isEmpty()) {
            return std::nullopt;
        }
        return runtime::ReadInt16(*text, locale);
    });
}

} // namespace vrc::engine
