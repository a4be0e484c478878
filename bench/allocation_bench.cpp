// Allocation and report on tables already in memory (8 players in 2 teams,
// rated, with FMT groups, 24 civilisations), and the whole start-up from the
// four data files to the report.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "common/crt_random.h"
#include "randomiser/allocation/civ_assignment.h"
#include "randomiser/allocation/team_assignment.h"
#include "randomiser/output/report.h"
#include "randomiser/startup/run_sequence.h"

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

bool writeFile(const std::string& path, const char* text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    std::fputs(text, file);
    return std::fclose(file) == 0;
}

// A folder of the four data files for the benchmark run: 8 players, 24 civs.
bool enterBenchFolder() {
    static std::string folder;
    if (folder.empty()) {
        char pattern[] = "/tmp/brenlow_bench_XXXXXX";
        if (mkdtemp(pattern) == nullptr) return false;
        folder = pattern;
        mkdir((folder + "/Scripts").c_str(), 0755);
        bool ok = writeFile(folder + "/PlayerData.txt",
                            "player_num {8} team_num {2}\n"
                            "player_name { 'Anna' 'Bo' 'Cy' 'Dee' 'Eli' 'Fay' 'Gus' 'Hal' }\n"
                            "player_rating { 1850 1720 1640 1580 1510 1450 1380 1240 }\n"
                            "player_fmt_group { 0 3 0 3 0 0 5 5 }\n");
        ok = ok && writeFile(folder + "/Scripts/Civ_Details.txt",
                             "civ_num {24}\n"
                             "civ_name { 'a1' 'b2' 'c3' 'd4' 'e1' 'f2' 'g3' 'h4' 'i1' 'j2' 'k3' 'l4'\n"
                             "           'm1' 'n2' 'o3' 'p4' 'q1' 'r2' 's3' 't4' 'u1' 'v2' 'w3' 'x4' }\n"
                             "civ_tier { 1 2 3 4 1 2 3 4 1 2 3 4 1 2 3 4 1 2 3 4 1 2 3 4 }\n"
                             "civ_eco { 1 2 3 4 5 1 2 3 4 5 1 2 3 4 5 1 2 3 4 5 1 2 3 4 }\n"
                             "civ_military { 3 4 5 1 2 3 4 5 1 2 3 4 5 1 2 3 4 5 1 2 3 4 5 1 }\n"
                             "civ_impact { 5 1 2 3 4 5 1 2 3 4 5 1 2 3 4 5 1 2 3 4 5 1 2 3 }\n");
        ok = ok && writeFile(folder + "/Scripts/Map_Details.txt",
                             "map_num {3} map_ratios {2 1 1} map_name {'Arabia' 'Arena' 'Nomad'}\n");
        ok = ok && writeFile(folder + "/Scripts/Rule_Details.txt",
                             "rule_num {2} rule_ratios {1 1} rule_path {'Usual' 'Open'}\n");
        if (!ok) return false;
    }
    return chdir(folder.c_str()) == 0;
}

void BM_wholeStartupFromFiles(benchmark::State& state) {
    if (!enterBenchFolder()) {
        state.SkipWithError("cannot write the data files");
        return;
    }
    int64_t seed = 1412622073;
    for (auto _ : state) {
        Randomiser randomiser;
        std::vector<std::wstring> words = {L"Brenlow_Sortilane.exe", L"rating", L"reshape", L"1",
                                           L"limited_civ_tier_range", L"1"};
        benchmark::DoNotOptimize(computeStartup(randomiser, seed++, words));
    }
}
BENCHMARK(BM_wholeStartupFromFiles);

}  // namespace
