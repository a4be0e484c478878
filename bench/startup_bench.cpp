// Start-up cost on the bundled sample data (bench_main runs every benchmark
// in a copy of it): loading the four data files and the whole computation
// from option words to result.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "randomiser/startup/game_data_loader.h"
#include "randomiser/startup/match_from_words.h"

namespace {

void BM_loadGameData(benchmark::State& state) {
    OptionSet rated;
    rated.use_ratings = 1;
    for (auto _ : state) {
        Randomiser randomiser(rated);
        benchmark::DoNotOptimize(loadGameData(randomiser));
    }
}
BENCHMARK(BM_loadGameData);

void BM_computeMatch(benchmark::State& state) {
    int64_t seed = 1;
    for (auto _ : state) {
        Randomiser randomiser;
        std::vector<std::wstring> words = {L"Brenlow_Sortilane.exe", L"rating", L"handicap"};
        benchmark::DoNotOptimize(computeMatch(randomiser, seed++, words));
    }
}
BENCHMARK(BM_computeMatch);

}  // namespace
