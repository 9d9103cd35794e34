#include "web/web_answer.h"

#include "engine/refusal_messages.h"

#include <variant>

namespace vrc::web {

namespace {

WebAnswer Refusal(Problem problem, QString message, Group group, int row) {
    WebAnswer answer;
    answer.problem = problem;
    answer.message = std::move(message);
    answer.group = group;
    answer.row = row;
    return answer;
}

WebAnswer EntryRefusal(const engine::EntryError &error) {
    const Group group = error.group == engine::kGroupTeam ? Group::Team : Group::Opponents;
    const QString message = engine::EntryErrorMessage(error.problem);
    switch (error.problem) {
    case engine::EntryProblem::NotNumeric:
        return Refusal(Problem::NotNumeric, message, group, error.row);
    case engine::EntryProblem::OutOfRange:
        return Refusal(Problem::OutOfRange, message, group, error.row);
    case engine::EntryProblem::NoRating:
        // The whole side is empty: the window puts the caret in its top box.
        break;
    }
    return Refusal(Problem::NoRating, message, group, 0);
}

} // namespace

WebAnswer Answer(QStringView localeTag, const engine::RatingEntrySet &entries) {
    const QLocale locale(localeTag.toString());
    const engine::ValidationResult validation = engine::ValidateEntries(entries, locale);
    if (const auto *error = std::get_if<engine::EntryError>(&validation)) {
        return EntryRefusal(*error);
    }
    const auto &accepted = std::get<engine::AcceptedRatings>(validation);
    WebAnswer answer;
    answer.result = engine::CalculateRatings(accepted);
    const auto rows = engine::NewTeamRatings(accepted, answer.result);
    if (const auto *overflow = std::get_if<engine::RatingOverflow>(&rows)) {
        return Refusal(Problem::NewRatingOutOfRange, engine::NewRatingOutOfRangeMessage(),
                       Group::Team, overflow->row);
    }
    answer.ok = true;
    answer.rows = std::get<engine::TeamRatings>(rows);
    return answer;
}

} // namespace vrc::web
