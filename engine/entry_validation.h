#pragma once

#include "engine/rating.h"

#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <variant>

namespace vrc::engine {

// The six entry texts exactly as typed; index 0 is the top row.
struct RatingEntrySet {
    std::array<QString, kRows> team;
    std::array<QString, kRows> opponents;
};

// A box filled by a program rather than typed: empty, a text read in the locale as typed
// text is (an empty text is an empty box), or a number, taken as the same number typed
// would be: rounded half to even, NaN no number, infinities out of range.
using RatingBox = std::variant<std::monostate, QString, double>;

struct RatingBoxSet {
    std::array<RatingBox, kRows> team;
    std::array<RatingBox, kRows> opponents;
};

struct AcceptedRatings {
    std::array<Rating, kRows> team{}; // 0 where the box was empty
    std::array<bool, kRows> hasTeam{};
    std::array<Rating, kRows> opponents{}; // 0 where the box was empty
    std::array<bool, kRows> hasOpponent{};
    int teamCount = 0;
    int opponentCount = 0;
    // Wider than a rating: three in-range ratings always have a total.
    std::int32_t teamTotal = 0;
    std::int32_t opponentTotal = 0;
};

// Codes in the form the entry error report takes.
inline constexpr std::int16_t kGroupTeam = 1;
inline constexpr std::int16_t kGroupOpponents = 2;
inline constexpr std::int16_t kRowNoRating = 3;

enum class EntryProblem {
    NotNumeric, // the box holds text that is not a number
    OutOfRange, // the box holds a number outside -32768..32767
    NoRating,   // the group holds no rating at all (row code 3)
};

struct EntryError {
    std::int16_t row = 0;   // 0..2, or kRowNoRating
    std::int16_t group = 0; // kGroupTeam or kGroupOpponents
    EntryProblem problem = EntryProblem::NotNumeric;

    friend bool operator==(const EntryError &, const EntryError &) = default;
};

using ValidationResult = std::variant<AcceptedRatings, EntryError>;

// Scans team 0, opponent 0, team 1, opponent 1, team 2, opponent 2 and stops
// at the first box that is neither empty nor an in-range number; then
// refuses a set without a team rating, then one without an opponent rating.
// Empty means exactly the empty string: blanks alone are an error.
[[nodiscard]] ValidationResult ValidateEntries(const RatingEntrySet &entries,
                                               const QLocale &locale = QLocale());
// The same checks, in the same order, on boxes that may hold numbers.
[[nodiscard]] ValidationResult ValidateBoxes(const RatingBoxSet &boxes, const QLocale &locale);

} // namespace vrc::engine
