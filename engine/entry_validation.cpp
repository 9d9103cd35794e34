#include "engine/entry_validation.h"

#include "runtime/numbers.h"

namespace vrc::engine {

namespace {

struct GroupTally {
    std::array<Rating, kRows> &ratings;
    std::array<bool, kRows> &present;
    int &count;
    std::int32_t &total;
};

// nullopt: the box was empty or held a rating, now tallied.
std::optional<EntryProblem> TakeBox(const QString &text, int row, const GroupTally &tally,
                                    const QLocale &locale) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const runtime::Int16Reading reading = runtime::ReadInt16(text, locale);
    switch (reading.kind) {
    case runtime::NumberKind::NotNumeric:
        return EntryProblem::NotNumeric;
    case runtime::NumberKind::OutOfRange:
        return EntryProblem::OutOfRange;
    case runtime::NumberKind::InRange:
        break;
    }
    tally.ratings.at(row) = reading.value;
    tally.present.at(row) = true;
    ++tally.count;
    tally.total += reading.value;
    return std::nullopt;
}

} // namespace

ValidationResult ValidateEntries(const RatingEntrySet &entries, const QLocale &locale) {
    AcceptedRatings accepted;
    const GroupTally team{accepted.team, accepted.hasTeam, accepted.teamCount, accepted.teamTotal};
    const GroupTally opponents{accepted.opponents, accepted.hasOpponent, accepted.opponentCount,
                               accepted.opponentTotal};

    for (int row = 0; row < kRows; ++row) {
        const auto row16 = static_cast<std::int16_t>(row);
        if (const auto problem = TakeBox(entries.team.at(row), row, team, locale)) {
            return EntryError{row16, kGroupTeam, *problem};
        }
        if (const auto problem = TakeBox(entries.opponents.at(row), row, opponents, locale)) {
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

} // namespace vrc::engine
