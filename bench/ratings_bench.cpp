// The ratings of an evening: a Results.txt of 1000 matches of the same 8
// players in 2 teams, the line-ups and winners varied, parsed from its text
// and replayed from its first line, as the programs do before each draw.
#include <benchmark/benchmark.h>

#include <string>

#include "ratings/rating_replay.h"
#include "ratings/results_log.h"

namespace {

std::string thousandMatches() {
    const char* names[8] = {"Ana", "Bo", "Cy", "Dee", "Eli", "Fay", "Gus", "Hal"};
    std::string text;
    unsigned mix = 12345;
    for (int line = 0; line < 1000; ++line) {
        MatchLine match;
        match.when = {2026, 3, 14, 20, line % 60};
        match.seed = line;
        match.result = line % 10 == 9 ? '-' : static_cast<char>('1' + line % 2);
        int inTeam1 = 0;
        for (int p = 0; p < 8; ++p) {
            mix = mix * 1103515245u + 12345u;  // four players a team, mixed by a fixed sequence
            bool team1 = inTeam1 < 4 && ((mix >> 16) % 2 == 0 || 8 - p == 4 - inTeam1);
            inTeam1 += team1 ? 1 : 0;
            match.players.push_back({names[p], team1 ? 1 : 2, 1200 + 100 * p});
        }
        text += formatMatchLine(match) + "\r\n";
    }
    return text;
}

void BM_parseAndReplayThousandMatches(benchmark::State& state) {
    const std::string text = thousandMatches();
    for (auto _ : state) {
        const RatingReplay replay = replayResults(parseResults(text), kWholeLog);
        benchmark::DoNotOptimize(replay.players.data());
    }
}
BENCHMARK(BM_parseAndReplayThousandMatches)->Unit(benchmark::kMicrosecond);

void BM_replayThousandMatches(benchmark::State& state) {
    const ResultsLog log = parseResults(thousandMatches());
    for (auto _ : state) {
        const RatingReplay replay = replayResults(log, kWholeLog);
        benchmark::DoNotOptimize(replay.players.data());
    }
}
BENCHMARK(BM_replayThousandMatches)->Unit(benchmark::kMicrosecond);

}  // namespace
