#include "app/command_line_calculation.h"

#include "engine/calculation.h"

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

// Rows are counted from 1, as the options that give them are.
CalculationAnswer Refused(const engine::Refusal &refusal) {
    QString where;
    if (refusal.problem == engine::RefusalProblem::NoRating) {
        where = refusal.group == engine::kGroupTeam ? QStringLiteral("team")
                                                    : QStringLiteral("opponents");
    } else {
        where = QStringLiteral("%1 row %2").arg(Side(refusal.group)).arg(refusal.row + 1);
    }
    return {true, QStringLiteral("%1: %2\n").arg(where, refusal.message)};
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
    const engine::CalculationOutcome outcome = engine::CalculateEntries(entries, locale);
    if (const auto *refusal = std::get_if<engine::Refusal>(&outcome)) {
        return Refused(*refusal);
    }
    const auto &calculation = std::get<engine::Calculation>(outcome);
    return {false, format == ResultFormat::Json
                       ? Json(calculation.accepted, calculation.result, calculation.rows)
                       : Table(calculation.accepted, calculation.rows)};
}

} // namespace vrc::app
