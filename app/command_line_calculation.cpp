#include "app/command_line_calculation.h"

#include "engine/rating_calculation.h"
#include "engine/refusal_messages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <variant>

namespace vrc::app {

namespace {

QString Side(std::int16_t group) {
    return group == engine::kGroupTeam ? QStringLiteral("team") : QStringLiteral("opponent");
}

CalculationAnswer Refusal(const QString &where, const QString &message) {
    return {true, QStringLiteral("%1: %2\n").arg(where, message)};
}

// Rows are counted from 1, as the options that give them are.
CalculationAnswer EntryRefusal(const engine::EntryError &error) {
    const QString message = engine::EntryErrorMessage(error.problem);
    if (error.row == engine::kRowNoRating) {
        return Refusal(error.group == engine::kGroupTeam ? QStringLiteral("team")
                                                         : QStringLiteral("opponents"),
                       message);
    }
    return Refusal(QStringLiteral("%1 row %2").arg(Side(error.group)).arg(error.row + 1), message);
}

// The window's column headings, each column as wide as its heading; no rating is wider.
QString Table(const engine::AcceptedRatings &accepted, const engine::TeamRatings &rows) {
    const QStringList headings{QStringLiteral("Player"), QStringLiteral("Old Ratings"),
                               QStringLiteral("You Win"), QStringLiteral("You Lose")};
    QString table = headings.join(QStringLiteral("  ")) + u'\n';
    for (int row = 0; row < engine::kRows; ++row) {
        const auto &ratings = rows.at(row);
        if (!ratings) {
            continue;
        }
        const std::array<int, 4> cells{row + 1, accepted.team.at(row), ratings->afterWin,
                                       ratings->afterLoss};
        QStringList line;
        for (std::size_t column = 0; column < cells.size(); ++column) {
            line << QString::number(cells.at(column))
                        .rightJustified(headings.at(static_cast<qsizetype>(column)).size());
        }
        table += line.join(QStringLiteral("  ")) + u'\n';
    }
    return table;
}

QString Json(const engine::AcceptedRatings &accepted, const engine::RatingResult &result,
             const engine::TeamRatings &rows) {
    QJsonArray players;
    for (int row = 0; row < engine::kRows; ++row) {
        if (const auto &ratings = rows.at(row)) {
            players.append(QJsonObject{{QStringLiteral("position"), row + 1},
                                       {QStringLiteral("old"), accepted.team.at(row)},
                                       {QStringLiteral("win"), ratings->afterWin},
                                       {QStringLiteral("lose"), ratings->afterLoss}});
        }
    }
    const QJsonObject answer{{QStringLiteral("teamAverage"), result.teamAverage},
                             {QStringLiteral("opponentAverage"), result.opponentAverage},
                             {QStringLiteral("difference"), result.difference},
                             {QStringLiteral("winChange"), result.winChange},
                             {QStringLiteral("lossChange"), result.lossChange},
                             {QStringLiteral("rows"), players}};
    return QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact)) + u'\n';
}

} // namespace

CalculationAnswer Calculate(const engine::RatingEntrySet &entries, ResultFormat format,
                            const QLocale &locale) {
    const engine::ValidationResult validation = engine::ValidateEntries(entries, locale);
    if (const auto *error = std::get_if<engine::EntryError>(&validation)) {
        return EntryRefusal(*error);
    }
    const auto &accepted = std::get<engine::AcceptedRatings>(validation);
    const engine::RatingResult result = engine::CalculateRatings(accepted);
    const auto ratings = engine::NewTeamRatings(accepted, result);
    if (const auto *overflow = std::get_if<engine::RatingOverflow>(&ratings)) {
        return Refusal(QStringLiteral("team row %1").arg(overflow->row + 1),
                       engine::NewRatingOutOfRangeMessage());
    }
    const auto &rows = std::get<engine::TeamRatings>(ratings);
    return {false,
            format == ResultFormat::Json ? Json(accepted, result, rows) : Table(accepted, rows)};
}

} // namespace vrc::app
