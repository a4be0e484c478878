// Allocation and report on tables already in memory (8 players in 2 teams,
// rated, with FMT groups and three matches before, 24 civilisations; under
// fair_teams also in 4 teams), and how far apart fair_teams and the rating classes leave the team
// scores over generated lobbies. The whole start-up from the data files is
// measured on the sample folder in startup_bench.cpp.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

#include "common/crt_random.h"
#include "randomiser/allocation/civ_assignment.h"
#include "randomiser/allocation/fair_teams.h"
#include "randomiser/allocation/team_assignment.h"
#include "randomiser/output/report.h"

// Every heap allocation of the benchmark program is counted, so that the
// in-memory run can show that it allocates nothing.
namespace {
size_t g_allocations = 0;
}

__attribute__((noinline)) void* operator new(size_t size) {
    ++g_allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
__attribute__((noinline)) void operator delete(void* block) noexcept { std::free(block); }
__attribute__((noinline)) void operator delete(void* block, size_t) noexcept { std::free(block); }

namespace {

const int kRatings[8] = {1850, 1720, 1640, 1580, 1510, 1450, 1380, 1240};
const int kGroups[8] = {0, 3, 0, 3, 0, 0, 5, 5};
// The teams (1 to 4) of the players in the three matches before, newest
// first, with the weights the fair_teams choice gives their teammates.
const int kRecentTeams[3][8] = {{1, 1, 2, 2, 3, 3, 4, 4}, {1, 2, 1, 2, 3, 4, 3, 4}, {1, 2, 3, 4, 1, 2, 3, 4}};
const int kRecentWeights[3] = {8, 4, 2};

// The players and civilisations of the in-memory runs, in teams of the given count.
Randomiser inMemoryRun(int teams, bool fairTeams) {
    OptionSet options;
    options.use_ratings = 1;
    options.reshape = 1;
    options.fair_teams = fairTeams;
    Randomiser base(options);
    base.players.player_count = 8;
    base.players.team_count = teams;
    for (int p = 0; p < 8; ++p) {
        std::swprintf(base.players.player_names[p], kPlayerNameUnits, L"Player %i", p);
        base.players.player_ratings[p] = kRatings[p];
        base.players.player_fmt_groups[p] = kGroups[p];
    }
    for (int c = 0; c < 24; ++c) {
        CivRecord civ;
        civ.tier = c % 4 + 1;
        civ.eco = c % 5 + 1;
        civ.military = (c + 2) % 5 + 1;
        civ.impact = (c + 4) % 5 + 1;
        std::swprintf(civ.name, kCivNameUnits, L"civilisation%i", c);
        base.game.civ_table.push_back(civ);
    }
    for (int m = 0; m < 3; ++m) {
        const int* teamsThen = kRecentTeams[m];
        for (int p = 0; p < 8; ++p) {
            for (int q = 0; q < 8; ++q) {
                if (p != q && teamsThen[p] == teamsThen[q]) base.history.teammate_weights[p][q] += kRecentWeights[m];
            }
        }
    }
    return base;
}

void runAllocationAndReport(benchmark::State& state, const Randomiser& base) {
    static Randomiser run;
    run = base;  // the options, tables and history stay for every draw
    uint32_t seed = 1412622073;
    size_t allocationsBefore = g_allocations;
    for (auto _ : state) {
        // The player results start afresh.
        run.players = base.players;
        run.seed = seed;
        crtSrand(seed++);
        assignTeams(run);
        if (prepareCivDraw(run)) assignCivs(run);
        buildReport(run);
        benchmark::DoNotOptimize(run.report.report_line_count);
    }
    state.counters["heap_allocations"] = static_cast<double>(g_allocations - allocationsBefore);
}

void BM_allocationAndReport(benchmark::State& state) {
    static const Randomiser base = inMemoryRun(2, false);
    runAllocationAndReport(state, base);
}
BENCHMARK(BM_allocationAndReport);

// Every one of the 105 splits of 8 players into 4 teams is looked at.
void BM_fairTeamsAllocationAndReport(benchmark::State& state) {
    static const Randomiser base = inMemoryRun(4, true);
    runAllocationAndReport(state, base);
}
BENCHMARK(BM_fairTeamsAllocationAndReport);

// The team choice alone for the same players: every split looked at, one drawn.
void runFairTeamsChoice(benchmark::State& state, const Randomiser& base) {
    static Randomiser run;
    run = base;
    uint32_t seed = 1412622073;
    for (auto _ : state) {
        run.players = base.players;
        crtSrand(seed++);
        assignTeams(run);
        benchmark::DoNotOptimize(run.players.player_teams[0]);
    }
}

void BM_fairTeamsChoice(benchmark::State& state) {
    static const Randomiser base = inMemoryRun(4, true);
    runFairTeamsChoice(state, base);
}
BENCHMARK(BM_fairTeamsChoice);

// The same with two players pinned and two apart groups, which the search
// keeps as it walks.
Randomiser withHostRules(Randomiser r) {
    r.players.player_team_pins[0] = 1;
    r.players.player_team_pins[7] = 2;
    r.players.player_apart_groups[1] = 1;
    r.players.player_apart_groups[2] = 1;
    r.players.player_apart_groups[3] = 2;
    r.players.player_apart_groups[4] = 2;
    r.players.player_apart_groups[6] = 2;
    return r;
}

void BM_fairTeamsChoiceWithHostRules(benchmark::State& state) {
    static const Randomiser base = withHostRules(inMemoryRun(4, true));
    runFairTeamsChoice(state, base);
}
BENCHMARK(BM_fairTeamsChoiceWithHostRules);

// The same runs one by one: their median and 90th percentile time. A few
// seeds make the civilisation draw retry up to its guards (thousands of
// draws when a tier runs out of civilisations), which the mean above carries.
void BM_fairTeamsRunTimes(benchmark::State& state) {
    static const Randomiser base = inMemoryRun(4, true);
    static Randomiser run;
    run = base;
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (uint32_t seed = 1412622073; seed < 1412622073 + 10000; ++seed) {
            auto start = std::chrono::steady_clock::now();
            run.players = base.players;
            run.seed = seed;
            crtSrand(seed);
            assignTeams(run);
            if (prepareCivDraw(run)) assignCivs(run);
            buildReport(run);
            benchmark::DoNotOptimize(run.report.report_line_count);
            times.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_run_us"] = times[times.size() / 2];
    state.counters["p90_run_us"] = times[times.size() * 9 / 10];
}
BENCHMARK(BM_fairTeamsRunTimes)->Iterations(1)->Unit(benchmark::kMillisecond);

// The median team score spread over 1000 generated lobbies: with the rating
// classes (the word rating), with fair_teams (margin 25) and the best the
// players allow; and the spread that one lobby in ten passes (p90). makeLobby fills the players of one lobby.
template <typename MakeLobby>
void medianSpreads(benchmark::State& state, MakeLobby makeLobby) {
    std::vector<int64_t> classes;
    std::vector<int64_t> fair;
    std::vector<int64_t> best;
    OptionSet rated;
    rated.use_ratings = 1;
    OptionSet fairTeams = rated;
    fairTeams.fair_teams = 1;
    for (auto _ : state) {
        std::mt19937 gen(1000);
        classes.clear();
        fair.clear();
        best.clear();
        for (int lobby = 0; lobby < 1000; ++lobby) {
            Randomiser run(rated);
            makeLobby(gen, run.players);
            uint32_t seed = static_cast<uint32_t>(gen());
            Randomiser fairRun(fairTeams);
            fairRun.players = run.players;
            crtSrand(seed);
            assignTeams(run);
            crtSrand(seed);
            assignTeams(fairRun);
            classes.push_back(teamScoreSpread(run));
            fair.push_back(teamScoreSpread(fairRun));
            best.push_back(bestPossibleSpread(fairRun));
        }
    }
    auto median = [](std::vector<int64_t>& values) {
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return static_cast<double>(values[values.size() / 2]);
    };
    auto tenthHighest = [](std::vector<int64_t>& values) {
        std::nth_element(values.begin(), values.begin() + values.size() * 9 / 10, values.end());
        return static_cast<double>(values[values.size() * 9 / 10]);
    };
    state.counters["median_spread_rating"] = median(classes);
    state.counters["median_spread_fair_teams"] = median(fair);
    state.counters["median_spread_best"] = median(best);
    state.counters["p90_spread_rating"] = tenthHighest(classes);
    state.counters["p90_spread_fair_teams"] = tenthHighest(fair);
}

// Lobbies of 2 to 8 players in 2 to 4 teams, ratings 0 to 3000, a few FMT
// groups (some larger than a team in the small teams).
void BM_medianSpreadOverLobbies(benchmark::State& state) {
    medianSpreads(state, [](std::mt19937& gen, PlayerTable& players) {
        const int shapes[][2] = {{2, 2}, {4, 2}, {6, 2}, {8, 2}, {3, 3}, {6, 3}, {4, 4}, {8, 4}};
        const auto& shape = shapes[gen() % 8];
        players.player_count = shape[0];
        players.team_count = shape[1];
        for (int p = 0; p < shape[0]; ++p) {
            players.player_ratings[p] = static_cast<int>(gen() % 3001);
            players.player_fmt_groups[p] = gen() % 4 == 0 ? 1 + static_cast<int>(gen() % 2) : 0;
        }
    });
}
BENCHMARK(BM_medianSpreadOverLobbies)->Iterations(1)->Unit(benchmark::kMillisecond);

// Lobbies as hosts see them most: 8 players in 2 teams, ratings 1000 to 2200,
// one pair of friends in every other lobby.
void BM_medianSpreadEightInTwo(benchmark::State& state) {
    medianSpreads(state, [](std::mt19937& gen, PlayerTable& players) {
        players.player_count = 8;
        players.team_count = 2;
        for (int p = 0; p < 8; ++p) {
            players.player_ratings[p] = 1000 + static_cast<int>(gen() % 1201);
            players.player_fmt_groups[p] = 0;
        }
        if (gen() % 2 == 0) players.player_fmt_groups[0] = players.player_fmt_groups[1] = 1;
    });
}
BENCHMARK(BM_medianSpreadEightInTwo)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
