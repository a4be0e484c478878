// Allocation and report on tables already in memory (8 players in 2 teams,
// rated, with FMT groups, 24 civilisations). The whole start-up from the data
// files is measured on the sample folder in startup_bench.cpp.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

#include "common/crt_random.h"
#include "randomiser/allocation/civ_assignment.h"
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

Randomiser& inMemoryRun() {
    static Randomiser base;
    if (base.players.player_count == 0) {
        base.players.player_count = 8;
        base.players.team_count = 2;
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
        base.options.use_ratings = 1;
        base.options.reshape = 1;
    }
    return base;
}

void BM_allocationAndReport(benchmark::State& state) {
    const Randomiser& base = inMemoryRun();
    static Randomiser run;
    run.game.civ_table = base.game.civ_table;
    uint32_t seed = 1412622073;
    size_t allocationsBefore = g_allocations;
    for (auto _ : state) {
        // The tables stay; options and player results start afresh.
        run.options = base.options;
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
BENCHMARK(BM_allocationAndReport);

}  // namespace
