// One whole Calculate as the engine sees it: six texts validated, the rule
// applied, and every team row's two new ratings formed.
#include "engine/entry_validation.h"
#include "engine/rating_calculation.h"

#include <benchmark/benchmark.h>

using namespace vrc::engine;

namespace {

void RunCalculate(benchmark::State &state, const RatingEntrySet &entries) {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        const ValidationResult validated = ValidateEntries(entries, locale);
        const auto &accepted = std::get<AcceptedRatings>(validated);
        const RatingResult result = CalculateRatings(accepted);
        auto rows = NewTeamRatings(accepted, result);
        benchmark::DoNotOptimize(rows);
    }
}

void BM_CalculateThreeAgainstThree(benchmark::State &state) {
    RunCalculate(state, {{"1500", "1620", "1485"}, {"1550", "1700", "1490"}});
}

void BM_CalculateWithFractions(benchmark::State &state) {
    RunCalculate(state, {{" 1,500.5 ", "1620", ""}, {"", "1.7e3", ""}});
}

void BM_RefuseLetters(benchmark::State &state) {
    const RatingEntrySet entries{{"1500", "abc", ""}, {"1550", "", ""}};
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        auto validated = ValidateEntries(entries, locale);
        benchmark::DoNotOptimize(validated);
    }
}

} // namespace

BENCHMARK(BM_CalculateThreeAgainstThree);
BENCHMARK(BM_CalculateWithFractions);
BENCHMARK(BM_RefuseLetters);
BENCHMARK_MAIN();
