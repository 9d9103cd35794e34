#include "web/web_answer.h"

#include <variant>

namespace vrc::web {

WebAnswer Answer(QStringView localeTag, const engine::RatingEntrySet &entries) {
    const engine::CalculationOutcome outcome =
        engine::CalculateEntries(entries, QLocale(localeTag.toString()));
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
    answer.result = calculation.result;
    return answer;
}

} // namespace vrc::web
