#pragma once

#include "engine/entry_validation.h"
#include "engine/rating.h"

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace vrc::engine {

// The share of games a team must win to hold its rating: its loss points over its win
// and loss points together, taken before they are shared and rounded. Exact and reduced;
// the least points of each keep it strictly between 0 and 1.
struct BreakEven {
    std::int32_t numerator = 1;
    std::int32_t denominator = 2;

    friend bool operator==(const BreakEven &, const BreakEven &) = default;
};

struct RatingResult {
    Rating teamAverage = 0;
    Rating opponentAverage = 0;
    // Opponent average minus team average: positive when the opponents are
    // stronger. Wider than a rating, since two in-range averages can lie
    // more than 32767 apart.
    std::int32_t difference = 0;
    Rating winChange = 0;  // never negative
    Rating lossChange = 0; // never positive
    BreakEven breakEven;

    friend bool operator==(const RatingResult &, const RatingResult &) = default;
};

// The team's gain and loss from the two averages: the difference, capped at
// 400 points either way, gives 1..32 points for the whole team, shared
// equally and rounded half-to-even. Needs at least one rating on each side.
[[nodiscard]] RatingResult CalculateRatings(const AcceptedRatings &accepted);

// The double nearest the exact share.
[[nodiscard]] double ShareOf(BreakEven breakEven) noexcept;
// The share in tenths of a percent, rounded from the exact fraction half to even, as every
// rounding of the rule is: 317/800 (39.625 %) gives 396.
[[nodiscard]] int PercentTenthsOf(BreakEven breakEven) noexcept;

// rating + change; nullopt when the sum leaves -32768..32767.
[[nodiscard]] std::optional<Rating> NewRating(Rating rating, Rating change) noexcept;

// a when a > b, otherwise b (so a NaN `a` yields b).
[[nodiscard]] double MaxOf(double a, double b) noexcept;
// a when a < b, otherwise b.
[[nodiscard]] double MinOf(double a, double b) noexcept;

// Both new ratings of one team row.
struct RowRatings {
    Rating afterWin = 0;
    Rating afterLoss = 0;

    friend bool operator==(const RowRatings &, const RowRatings &) = default;
};

// nullopt for a row whose team box was empty.
using TeamRatings = std::array<std::optional<RowRatings>, kRows>;

// The first row, top to bottom, whose new rating would leave the range.
struct RatingOverflow {
    int row = 0;

    friend bool operator==(const RatingOverflow &, const RatingOverflow &) = default;
};

// Every team row's new ratings, all formed before any is shown, so that a
// result out of range refuses the calculation as a whole.
[[nodiscard]] std::variant<TeamRatings, RatingOverflow>
NewTeamRatings(const AcceptedRatings &accepted, const RatingResult &result);

} // namespace vrc::engine
