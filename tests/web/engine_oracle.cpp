// The native engine answering as the web page's engine must: reads one calculation a
// line as JSON ({"locale", "team", "opponents"}) and writes each answer as a JSON line
// in the shape engine.js gives the page.
#include "web/web_answer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

QJsonObject Shape(const vrc::web::WebAnswer &answer) {
    if (!answer.ok) {
        static const char *const problems[] = {"NotNumeric", "OutOfRange", "NoRating",
                                               "NewRatingOutOfRange"};
        return {{"ok", false},
                {"problem", problems[static_cast<int>(answer.problem)]},
                {"message", answer.message},
                {"group", answer.group == vrc::web::Group::Team ? "team" : "opponents"},
                {"row", answer.row}};
    }
    QJsonArray rows;
    for (int index = 0; index < vrc::engine::kRows; ++index) {
        const auto &row = answer.rows.at(index);
        rows.append(row ? QJsonValue(QJsonObject{{"old", answer.old.at(index)},
                                                 {"win", row->afterWin},
                                                 {"lose", row->afterLoss}})
                        : QJsonValue());
    }
    return {{"ok", true},
            {"rows", rows},
            {"teamAverage", answer.result.teamAverage},
            {"opponentAverage", answer.result.opponentAverage},
            {"difference", answer.result.difference},
            {"winChange", answer.result.winChange},
            {"lossChange", answer.result.lossChange},
            {"breakEven", vrc::engine::ShareOf(answer.result.breakEven)},
            {"breakEvenPercent", vrc::engine::PercentTenthsOf(answer.result.breakEven) / 10.0}};
}

} // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        const QJsonObject request =
            QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        vrc::engine::RatingEntrySet entries;
        for (int row = 0; row < vrc::engine::kRows; ++row) {
            entries.team.at(row) = request["team"][row].toString();
            entries.opponents.at(row) = request["opponents"][row].toString();
        }
        const QJsonObject answer = Shape(vrc::web::Answer(request["locale"].toString(), entries));
        std::cout << QJsonDocument(answer).toJson(QJsonDocument::Compact).toStdString() << '\n';
    }
    return 0;
}
