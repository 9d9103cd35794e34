// The engine as the web page calls it: plain memory in, plain memory out, so that the
// module carries no binding library. engine.js gives it the shape the page uses.
#include "web/web_answer.h"

#include <array>
#include <cstdint>
#include <emscripten/emscripten.h>

namespace {

// Where each figure lies in the answer engine.js reads.
enum Slot : std::size_t {
    kOk,
    kProblem,
    kGroup,
    kRow,
    kMessageText, // address of the UTF-16 text
    kMessageLength,
    kTeamAverage,
    kOpponentAverage,
    kDifference,
    kWinChange,
    kLossChange,
    kBreakEvenNumerator, // the share to win to hold the rating, exact
    kBreakEvenDenominator,
    kBreakEvenTenths, // the same in tenths of a percent, as the page shows it
    kRowsShown,       // bit r set: team row r has results
    kRowResults,      // win and lose of row 0, then of rows 1 and 2
    kRowOld = kRowResults + 2 * vrc::engine::kRows, // each row's rating as read
    kSlots = kRowOld + vrc::engine::kRows,
};

std::array<std::int32_t, kSlots> answerSlots{};
QString lastMessage; // keeps the text answerSlots points at alive until the next call

QString Text(const char16_t *&cursor, std::int32_t length) {
    QString text = QString::fromUtf16(cursor, length);
    cursor += length;
    return text;
}

// Fills the answer engine.js reads from one calculation.
const std::int32_t *Answered(const vrc::web::WebAnswer &answer) {
    using vrc::engine::kRows;
    answerSlots.fill(0);
    lastMessage = answer.message;
    answerSlots[kOk] = answer.ok ? 1 : 0;
    answerSlots[kProblem] = static_cast<std::int32_t>(answer.problem);
    answerSlots[kGroup] = static_cast<std::int32_t>(answer.group);
    answerSlots[kRow] = answer.row;
    answerSlots[kMessageText] =
        static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(lastMessage.utf16()));
    answerSlots[kMessageLength] = static_cast<std::int32_t>(lastMessage.size());
    answerSlots[kTeamAverage] = answer.result.teamAverage;
    answerSlots[kOpponentAverage] = answer.result.opponentAverage;
    answerSlots[kDifference] = answer.result.difference;
    answerSlots[kWinChange] = answer.result.winChange;
    answerSlots[kLossChange] = answer.result.lossChange;
    answerSlots[kBreakEvenNumerator] = answer.result.breakEven.numerator;
    answerSlots[kBreakEvenDenominator] = answer.result.breakEven.denominator;
    answerSlots[kBreakEvenTenths] = vrc::engine::PercentTenthsOf(answer.result.breakEven);
    for (int row = 0; row < kRows; ++row) {
        if (const auto &ratings = answer.rows.at(row)) {
            answerSlots[kRowsShown] |= 1 << row;
            answerSlots[kRowResults + 2 * row] = ratings->afterWin;
            answerSlots[kRowResults + 2 * row + 1] = ratings->afterLoss;
            answerSlots[kRowOld + row] = answer.old.at(row);
        }
    }
    return answerSlots.data();
}

} // namespace

// texts holds, one after another without terminators, the locale tag, the three team
// boxes and the three opponent boxes, in UTF-16; lengths holds their seven lengths.
extern "C" EMSCRIPTEN_KEEPALIVE const std::int32_t *vrc_calculate(const char16_t *texts,
                                                                  const std::int32_t *lengths) {
    using vrc::engine::kRows;
    const char16_t *cursor = texts;
    const QString locale = Text(cursor, lengths[0]);
    vrc::engine::RatingEntrySet entries;
    for (int row = 0; row < kRows; ++row) {
        entries.team.at(row) = Text(cursor, lengths[1 + row]);
    }
    for (int row = 0; row < kRows; ++row) {
        entries.opponents.at(row) = Text(cursor, lengths[1 + kRows + row]);
    }
    return Answered(vrc::web::Answer(locale, entries));
}

// As vrc_calculate, for boxes a program fills: a box's length is kNumberBox when it holds
// the number at its place in numbers (team 0..2, then opponents), kEmptyBox when it holds
// nothing, and its text's length otherwise.
extern "C" EMSCRIPTEN_KEEPALIVE const std::int32_t *
vrc_calculate_boxes(const char16_t *texts, const std::int32_t *lengths, const double *numbers) {
    using vrc::engine::kRows;
    constexpr std::int32_t kNumberBox = -1;
    constexpr std::int32_t kEmptyBox = -2;
    const char16_t *cursor = texts;
    const QString locale = Text(cursor, lengths[0]);
    vrc::engine::RatingBoxSet boxes;
    for (int box = 0; box < 2 * kRows; ++box) {
        auto &target = box < kRows ? boxes.team.at(box) : boxes.opponents.at(box - kRows);
        const std::int32_t length = lengths[1 + box];
        if (length == kNumberBox) {
            target = numbers[box];
        } else if (length != kEmptyBox) {
            target = Text(cursor, length);
        }
    }
    return Answered(vrc::web::Answer(locale, boxes));
}

// Six ratings as numbers, in arguments rather than memory, for callers that calculate
// many: bit b of present (team rows 0..2, then opponents) says the box holds its number.
extern "C" EMSCRIPTEN_KEEPALIVE const std::int32_t *
vrc_calculate_numbers(std::int32_t present, double team0, double team1, double team2,
                      double opponent0, double opponent1, double opponent2) {
    const std::array<double, 6> numbers{team0, team1, team2, opponent0, opponent1, opponent2};
    vrc::engine::RatingBoxSet boxes;
    for (int box = 0; box < 6; ++box) {
        if ((present & (1 << box)) == 0) {
            continue;
        }
        auto &target = box < vrc::engine::kRows ? boxes.team.at(box)
                                                : boxes.opponents.at(box - vrc::engine::kRows);
        target = numbers.at(box);
    }
    return Answered(vrc::web::Answer(QStringView(), boxes));
}
