#include "engine/rating_calculation.h"

#include "runtime/numbers.h"

namespace vrc::engine {

namespace {
constexpr double kCap = 400.0;           // points of difference where the effect stops growing
constexpr double kEvenGamePoints = 16.0; // the team's points when the averages are equal
constexpr double kLeastPoints = 1.0;     // least gain and least loss of the whole team

Rating Average(std::int32_t total, int count) {
    // The mean of in-range ratings is in range, so this cannot overflow.
    return runtime::FpToInt16(static_cast<double>(total) / count);
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
    return result;
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
