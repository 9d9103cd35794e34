#include "web/web_answer.h"

#include <algorithm>
#include <variant>

namespace vrc::web {

namespace {

bool HoldsText(const engine::RatingBox &box) {
    return std::holds_alternative<QString>(box);
}

WebAnswer AnswerOf(const engine::CalculationOutcome &outcome) {
    WebAnswer answer;
    if (const auto *refusal = std::get_if<engine::Refusal>(&outcome)) {
        answer.problem = refusal->problem;
        answer.message = refusal->message;
        answer.group = refusal->group == engine::kGroupTeam ? Group::Team : Group::Opponents;
        answer.row = refusal->row;
        return answer;
    }
    const auto &calculation = std::get<engine::Calculation>(outcome);
    answer.ok = true;
    answer.rows = calculation.rows;
    answer.old = calculation.accepted.team;
    answer.result = calculation.result;
    return answer;
}

} // namespace

WebAnswer Answer(QStringView localeTag, const engine::RatingEntrySet &entries) {
    return AnswerOf(engine::CalculateEntries(entries, QLocale(localeTag.toString())));
}

WebAnswer Answer(QStringView localeTag, const engine::RatingBoxSet &boxes) {
    // Numbers alone need no locale, and building one costs more than their calculation.
    const bool texts = std::any_of(boxes.team.cbegin(), boxes.team.cend(), HoldsText) ||
                       std::any_of(boxes.opponents.cbegin(), boxes.opponents.cend(), HoldsText);
    return AnswerOf(
        engine::CalculateBoxes(boxes, texts ? QLocale(localeTag.toString()) : QLocale::c()));
}

} // namespace vrc::web
