// Splits the input at newlines into six texts (team 0, opponent 0, team 1,
// opponent 1, team 2, opponent 2) and runs the engine on them. Aborts on any
// broken invariant; the sanitizers catch undefined behaviour.
#include "engine/entry_validation.h"
#include "engine/rating_calculation.h"
#include "runtime/numbers.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace vrc;
using namespace vrc::engine;

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckBox(const QString &text, const QLocale &locale) {
    const runtime::Int16Reading reading = runtime::ReadInt16(text, locale);
    Check(runtime::IsNumeric(text, locale) == (reading.kind != runtime::NumberKind::NotNumeric));
    if (text.isEmpty()) {
        Check(reading.kind == runtime::NumberKind::NotNumeric);
    }
}

void Run(const RatingEntrySet &entries, const QLocale &locale) {
    for (int row = 0; row < kRows; ++row) {
        CheckBox(entries.team.at(row), locale);
        CheckBox(entries.opponents.at(row), locale);
    }
    const ValidationResult validated = ValidateEntries(entries, locale);
    if (const auto *error = std::get_if<EntryError>(&validated)) {
        Check(error->group == kGroupTeam || error->group == kGroupOpponents);
        Check((error->row == kRowNoRating) == (error->problem == EntryProblem::NoRating));
        Check(error->row >= 0 && error->row <= kRowNoRating);
        return;
    }
    const auto &accepted = std::get<AcceptedRatings>(validated);
    Check(accepted.teamCount >= 1 && accepted.opponentCount >= 1);
    const RatingResult result = CalculateRatings(accepted);
    Check(result.winChange >= 0 && result.winChange <= 32);
    Check(result.lossChange <= 0 && result.lossChange >= -32);
    const auto rows = NewTeamRatings(accepted, result);
    if (const auto *all = std::get_if<TeamRatings>(&rows)) {
        for (int row = 0; row < kRows; ++row) {
            Check(all->at(row).has_value() == accepted.hasTeam.at(row));
            if (all->at(row)) {
                Check(all->at(row)->afterWin == accepted.team.at(row) + result.winChange);
                Check(all->at(row)->afterLoss == accepted.team.at(row) + result.lossChange);
            }
        }
    } else {
        const int row = std::get<RatingOverflow>(rows).row;
        Check(accepted.hasTeam.at(row));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const QLocale us(QLocale::English, QLocale::UnitedStates);
    static const QLocale de(QLocale::German, QLocale::Germany);

    const QString input =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList parts = input.split(u'\n');
    RatingEntrySet entries;
    for (int box = 0; box < 2 * kRows; ++box) {
        QString &text = box % 2 == 0 ? entries.team.at(box / 2) : entries.opponents.at(box / 2);
        text = parts.value(box);
    }
    Run(entries, us);
    Run(entries, de);
    return 0;
}
