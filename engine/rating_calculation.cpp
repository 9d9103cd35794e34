#include "engine/rating_calculation.h"

#include "runtime/numbers.h"

#include <algorithm>
#include <numeric>

namespace vrc::engine {

namespace {
constexpr double kCap = 400.0;           // points of difference where the effect stops growing
constexpr double kEvenGamePoints = 16.0; // the team's points when the averages are equal
constexpr double kLeastPoints = 1.0;     // least gain and least loss of the whole team

Rating Average(std::int32_t total, int count) {
    // The mean of in-range ratings is in range, so this cannot overflow.
    return runtime::FpToInt16(static_cast<double>(total) / count);
}

// The team's points in 25ths, where they are whole numbers: the capped difference gives
// (400 + d) / 25 for a win and (d - 400) / 25 for a loss, each at least one point.
BreakEven BreakEvenOf(std::int32_t difference) {
    constexpr std::int32_t cap = 400;
    constexpr std::int32_t least = 25;
    const std::int32_t capped = std::clamp(difference, -cap, cap);
    const std::int32_t win = std::max(cap + capped, least);
    const std::int32_t loss = std::max(cap - capped, least);
    const std::int32_t divisor = std::gcd(loss, win + loss);
    return {loss / divisor, (win + loss) / divisor};
}
} // namespace

double MaxOf(double a, double b) noexcept {
    return a > b ? a : b;
}

double MinOf(double a, double b) noexcept {
    return a < b ? a : b;
}

RatingResult CalculateRatings(const AcceptedRatings &accepted) {
    RatingResult result;
    result.teamAverage = Average(accepted.teamTotal, accepted.teamCount);
    result.opponentAverage = Average(accepted.opponentTotal, accepted.opponentCount);
    result.difference = std::int32_t{result.opponentAverage} - std::int32_t{result.teamAverage};

    const double x = result.difference / kCap;
    const double t = MinOf(x, 1.0);
    const double b = MaxOf(t, -1.0);
    const double w = MaxOf((b + 1.0) * kEvenGamePoints, kLeastPoints);
    const double l = MinOf((b - 1.0) * kEvenGamePoints, -kLeastPoints);

    // |w|, |l| <= 32 and count >= 1: the shares always fit.
    result.winChange = runtime::FpToInt16(w / accepted.teamCount);
    result.lossChange = runtime::FpToInt16(l / accepted.teamCount);
    result.breakEven = BreakEvenOf(result.difference);
    return result;
}

double ShareOf(BreakEven breakEven) noexcept {
    // Both are exact doubles, and IEEE division rounds their quotient to the nearest.
    return static_cast<double>(breakEven.numerator) / breakEven.denominator;
}

int PercentTenthsOf(BreakEven breakEven) noexcept {
    const std::int64_t scaled = std::int64_t{1000} * breakEven.numerator;
    const std::int64_t quotient = scaled / breakEven.denominator;
    const std::int64_t twiceRemainder = 2 * (scaled % breakEven.denominator);
    const bool up = twiceRemainder > breakEven.denominator ||
                    (twiceRemainder == breakEven.denominator && quotient % 2 != 0);
    return static_cast<int>(quotient + (up ? 1 : 0));
}

std::optional<Rating> NewRating(Rating rating, Rating change) noexcept {
    return runtime::TryAdd16(rating, change);
}

std::variant<TeamRatings, RatingOverflow> NewTeamRatings(const AcceptedRatings &accepted,
                                                         const RatingResult &result) {
    TeamRatings rows;
    for (int row = 0; row < kRows; ++row) {
        if (!accepted.hasTeam.at(row)) {
            continue;
        }
        const Rating rating = accepted.team.at(row);
        const auto afterWin = NewRating(rating, result.winChange);
        const auto afterLoss = NewRating(rating, result.lossChange);
        if (!afterWin || !afterLoss) {
            return RatingOverflow{row};
        }
        rows.at(row) = RowRatings{*afterWin, *afterLoss};
    }
    return rows;
}

} // namespace vrc::engine
