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
    kRowsShown,  // bit r set: team row r has results
    kRowResults, // win and lose of row 0, then of rows 1 and 2
    kSlots = kRowResults + 2 * vrc::engine::kRows,
};

std::array<std::int32_t, kSlots> answerSlots{};
QString lastMessage; // keeps the text answerSlots points at alive until the next call

QString Text(const char16_t *&cursor, std::int32_t length) {
    QString text = QString::fromUtf16(cursor, length);
    cursor += length;
    return text;
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

    const vrc::web::WebAnswer answer = vrc::web::Answer(locale, entries);
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
    for (int row = 0; row < kRows; ++row) {
        if (const auto &ratings = answer.rows.at(row)) {
            answerSlots[kRowsShown] |= 1 << row;
            answerSlots[kRowResults + 2 * row] = ratings->afterWin;
            answerSlots[kRowResults + 2 * row + 1] = ratings->afterLoss;
        }
    }
    return answerSlots.data();
}
