#include "app/command_line_calculation.h"

#include "engine/calculation.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <array>
#include <variant>

namespace vrc::app {

namespace {

// Rows are counted from 1, as the options that give them are.
CalculationAnswer Refused(const engine::Refusal &refusal) {
    const bool team = refusal.group == engine::kGroupTeam;
    QString where;
    if (refusal.problem == engine::RefusalProblem::NoRating) {
        where = team ? QCoreApplication::translate("vrc::app::CommandLine", "team")
                     : QCoreApplication::translate("vrc::app::CommandLine", "opponents");
    } else {
        where = (team ? QCoreApplication::translate("vrc::app::CommandLine", "team row %1")
                      : QCoreApplication::translate("vrc::app::CommandLine", "opponent row %1"))
                    .arg(refusal.row + 1);
    }
    return {true, PlaceAndMessage(where, refusal.message) + u'\n'};
}

// Terminal columns a character takes: two for East Asian wide and full-width ones, none
// for combining marks and format characters, one for the rest.
int ColumnsOf(char32_t c) {
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
        category == QChar::Other_Format || c == 0x200B) {
        return 0;
    }
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
                      (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

int DisplayWidth(const QString &text) {
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        width += ColumnsOf(c);
    }
    return width;
}

// The window's column headings over right-aligned numbers, two blanks apart. Each
// column is as wide on a terminal as its heading or its widest number. Right to left,
// each cell is isolated: the headings would otherwise be one right-to-left run, shown in
// the reverse order of the numbers' columns.
QString Table(const engine::AcceptedRatings &accepted, const engine::TeamRatings &rows,
              Qt::LayoutDirection direction) {
    const QStringList headings{QCoreApplication::translate("vrc::app::CommandLine", "Player"),
                               QCoreApplication::translate("vrc::ui::FrmVornRating", "Old Ratings"),
                               QCoreApplication::translate("vrc::ui::FrmVornRating", "You Win"),
                               QCoreApplication::translate("vrc::ui::FrmVornRating", "You Lose")};
    std::array<int, 4> widths{};
    for (std::size_t column = 0; column < widths.size(); ++column) {
        widths.at(column) = DisplayWidth(headings.at(static_cast<qsizetype>(column)));
    }
    QList<QStringList> lines;
    for (int row = 0; row < engine::kRows; ++row) {
        const auto &ratings = rows.at(row);
        if (!ratings) {
            continue;
        }
        const std::array<int, 4> cells{row + 1, accepted.team.at(row), ratings->afterWin,
                                       ratings->afterLoss};
        QStringList line;
        for (std::size_t column = 0; column < cells.size(); ++column) {
            line << QString::number(cells.at(column));
            widths.at(column) = std::max(widths.at(column), DisplayWidth(line.constLast()));
        }
        lines << line;
    }
    lines.prepend(headings);
    QString table;
    for (const QStringList &line : std::as_const(lines)) {
        QStringList padded;
        for (std::size_t column = 0; column < widths.size(); ++column) {
            const QString &cell = line.at(static_cast<qsizetype>(column));
            padded << QString(widths.at(column) - DisplayWidth(cell), u' ') +
                          (direction == Qt::RightToLeft ? Isolated(cell) : cell);
        }
        table += padded.join(QStringLiteral("  ")) + u'\n';
    }
    return table;
}

// The line under the table: the share of such games the team must win to hold its
// rating, in the locale's numbers, to a tenth of a percent rounded from the exact share.
QString BreakEvenLine(const engine::RatingResult &result, const QLocale &locale) {
    const double percent = engine::PercentTenthsOf(result.breakEven) / 10.0;
    return QCoreApplication::translate("vrc::app::CommandLine",
                                       "To hold its rating, your team must win %1% of such games.")
               .arg(locale.toString(percent, 'f', 1)) +
           u'\n';
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
    // The double nearest the exact share, which the writer gives as the shortest decimal
    // that reads back as it.
    const QJsonObject answer{{QStringLiteral("teamAverage"), result.teamAverage},
                             {QStringLiteral("opponentAverage"), result.opponentAverage},
                             {QStringLiteral("difference"), result.difference},
                             {QStringLiteral("winChange"), result.winChange},
                             {QStringLiteral("lossChange"), result.lossChange},
                             {QStringLiteral("breakEven"), engine::ShareOf(result.breakEven)},
                             {QStringLiteral("rows"), players}};
    return QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact)) + u'\n';
}

} // namespace

CalculationAnswer Calculate(const engine::RatingEntrySet &entries, ResultFormat format,
                            const QLocale &locale, Qt::LayoutDirection direction) {
    const engine::CalculationOutcome outcome = engine::CalculateEntries(entries, locale);
    if (const auto *refusal = std::get_if<engine::Refusal>(&outcome)) {
        return Refused(*refusal);
    }
    const auto &calculation = std::get<engine::Calculation>(outcome);
    return {false, format == ResultFormat::Json
                       ? Json(calculation.accepted, calculation.result, calculation.rows)
                       : Table(calculation.accepted, calculation.rows, direction) +
                             BreakEvenLine(calculation.result, locale)};
}

QString PlaceAndMessage(const QString &place, const QString &message) {
    //: A complaint led by where it arose: %1 is the program's name, or a side and row
    //: ("team row 2"); %2 is the message.
    return QCoreApplication::translate("vrc::app::CommandLine", "%1: %2").arg(place, message);
}

QString Isolated(const QString &text) {
    return QChar(0x2068) + text + QChar(0x2069);
}

} // namespace vrc::app
