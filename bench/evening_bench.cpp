// The evening page from Results.txt: 1 000 and 10 000 lines of evenings of
// 12 matches, 10 players of whom 8 play each match, parsed, replayed and
// laid out as the page (Evening.html's bytes, not written to disk), beside
// the parse and replay alone; and the largest page of 1 000 matches, one
// evening of them 5 minutes apart, 16 players of 15-character names (3
// bytes each), 8 a match in four teams, each with a 29-character
// civilisation.
#include <benchmark/benchmark.h>

#include <string>

#include "ratings/evening_model.h"
#include "ratings/evening_page.h"
#include "ratings/rating_replay.h"
#include "ratings/results_log.h"

namespace {

std::string eveningsOf(int lineCount) {
    const char* names[10] = {"Ana", "Bo", "Cy", "Dee", "Eli", "Fay", "Gus", "Hal", "Ivo", "Jun"};
    const char* civs[7] = {"Vintari", "Keshwyn", "Orlath", "Solveni", "Caskara", "Dravosi", "Lumenar"};
    std::string text;
    unsigned mix = 12345;
    for (int line = 0; line < lineCount; ++line) {
        MatchLine match;
        const int day = line / 12;  // 12 matches an evening, from 20:00 on, 20 minutes apart
        match.when = {2026 + day / 336, 1 + day / 28 % 12, 1 + day % 28, 20 + line % 12 / 3, line % 3 * 20};
        match.seed = line;
        match.result = line % 10 == 9 ? '-' : static_cast<char>('1' + line % 2);
        const int sitsOut = line % 10;  // two of the ten sit out each match
        int inTeam1 = 0;
        for (int p = 0; p < 10; ++p) {
            if (p == sitsOut || p == (sitsOut + 5) % 10) continue;
            mix = mix * 1103515245u + 12345u;  // four players a team, mixed by a fixed sequence
            const int left = 8 - static_cast<int>(match.players.size());
            const bool team1 = inTeam1 < 4 && ((mix >> 16) % 2 == 0 || left == 4 - inTeam1);
            inTeam1 += team1 ? 1 : 0;
            match.players.push_back({names[p], team1 ? 1 : 2, 1200 + 100 * p, false, civs[(mix >> 20) % 7]});
        }
        text += formatMatchLine(match) + "\r\n";
    }
    return text;
}

// Times the page from the Results.txt text, and counts its bytes.
void measurePage(benchmark::State& state, const std::string& text) {
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string page = eveningPage(eveningModel(parseResults(text)));
        bytes = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["page_bytes"] = static_cast<double>(bytes);
}

void BM_eveningPage(benchmark::State& state) { measurePage(state, eveningsOf(static_cast<int>(state.range(0)))); }
BENCHMARK(BM_eveningPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

std::string oneEveningOf(int lineCount) {
    std::string longName;
    for (int c = 0; c < 13; ++c) longName += "\xE9\xBE\x8D";  // U+9F8D, and two digits after it
    std::string text;
    for (int line = 0; line < lineCount; ++line) {
        MatchLine match;
        const int minutes = 5 * line;
        match.when = {2026, 3, 1 + minutes / 1440, minutes / 60 % 24, minutes % 60};
        match.seed = line;
        match.result = static_cast<char>('1' + line % 4);
        for (int p = 0; p < 8; ++p) {
            const std::string name = longName + std::to_string(10 + (line + 2 * p) % 16);
            match.players.push_back({name, 1 + p % 4, 1500, false, "Old Keshwyn of the Long Coast"});
        }
        text += formatMatchLine(match) + "\r\n";
    }
    return text;
}

void BM_eveningPageOneEvening(benchmark::State& state) {
    measurePage(state, oneEveningOf(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_eveningPageOneEvening)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_parseAndReplay(benchmark::State& state) {
    const std::string text = eveningsOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const RatingReplay replay = replayResults(parseResults(text), kWholeLog);
        benchmark::DoNotOptimize(replay.players.data());
    }
}
BENCHMARK(BM_parseAndReplay)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
