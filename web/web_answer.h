#pragma once

#include "engine/calculation.h"

#include <QString>
#include <QStringView>
#include <array>

namespace vrc::web {

// Which box a refusal sends the user back to.
enum class Group { Team = 0, Opponents = 1 };

using Problem = engine::RefusalProblem;

// One calculation as the web page shows it: the rows and amounts, or the refusal
// with the box to fix.
struct WebAnswer {
    bool ok = false;
    engine::TeamRatings rows{};
    std::array<engine::Rating, engine::kRows> old{}; // each team row's rating as read
    engine::RatingResult result{};
    Problem problem = Problem::NotNumeric;
    QString message;
    Group group = Group::Team;
    int row = 0;
};

// localeTag is a browser's language tag ("de-DE", "en", "ar-EG"), read as QLocale
// reads a name.
[[nodiscard]] WebAnswer Answer(QStringView localeTag, const engine::RatingEntrySet &entries);
// The same for boxes a program fills with numbers or texts.
[[nodiscard]] WebAnswer Answer(QStringView localeTag, const engine::RatingBoxSet &boxes);

} // namespace vrc::web
