#include "randomiser/commands/player_swap.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/crt_random.h"
#include "common/text_convert.h"
#include "randomiser/allocation/civ_assignment.h"
#include "randomiser/output/report.h"
#include "randomiser/output/swap_cells.h"
#include "randomiser/startup/draw_again.h"
#include "randomiser/startup/match_from_words.h"
#include "startup/game_folder.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

const char* const kSixPlayers =
    "player_num {6} team_num {2} player_name { 'Senna' 'Orrick' 'Kestrel' 'Mo' 'Halvard' 'Mirelle' 'p7' 'p8' } "
    "player_rating { 1500 1620 1410 1730 1555 1380 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }";

std::unique_ptr<Randomiser> drawnMatch(const std::string& playerData, std::vector<std::wstring> words) {
    GameFolder files;
    files.playerData = playerData;
    files.civs =
        "civ_num {8}\n"
        "civ_name { 'Oak' 'Reed' 'Flint' 'Ash' 'Moss' 'Fern' 'Elm' 'Yew' }\n"
        "civ_tier { 1 1 2 2 3 3 4 4 }\n"
        "civ_eco { 1 2 3 4 5 1 2 3 }\n"
        "civ_military { 5 4 3 2 1 5 4 3 }\n"
        "civ_impact { 3 3 3 3 3 3 3 3 }\n";
    files.write();
    std::unique_ptr<Randomiser> run(new Randomiser());
    words.insert(words.begin(), L"sortilane.exe");
    EXPECT_TRUE(computeMatch(*run, 1765000000, words));
    return run;
}

// The first player, after a, in another team than a.
int opponentOf(const Randomiser& run, int a) {
    for (int p = 0; p < run.players.player_count; ++p) {
        if (run.players.player_teams[p] != run.players.player_teams[a]) return p;
    }
    return -1;
}

// A swap gives the teams exchanged, scored again, and the civilisations a
// civilisation draw gives those teams from the generator state that followed
// the team draw; swapping back gives the draw's own civilisations again.
TEST(PlayerSwap, RedrawsTheCivilisationsForTheNewTeamsFromTheStateAfterTheTeamDraw) {
    TempFolder folder;
    const std::unique_ptr<Randomiser> drawn = drawnMatch(kSixPlayers, {L"rating", L"handicap"});
    Randomiser run = *drawn;
    const int a = 0;
    const int b = opponentOf(run, a);
    ASSERT_GE(b, 0);
    ASSERT_EQ(swapPlayers(run, a, b), L"");
    EXPECT_EQ(run.players.player_teams[a], drawn->players.player_teams[b]);
    EXPECT_EQ(run.players.player_teams[b], drawn->players.player_teams[a]);
    for (int t = 0; t < run.players.team_count; ++t) {
        int sum = 0;
        for (int p = 0; p < run.players.player_count; ++p)
            sum += run.players.player_teams[p] == t + 1 ? run.players.player_ratings[p] : 0;
        EXPECT_EQ(run.teams.team_scores[t], sum / 3) << "team " << t + 1;
    }

    Randomiser fresh = run;
    crtSrand(drawn->host_swaps.generator_after_teams);
    fresh.civ_draw = CivDrawState{};
    ASSERT_TRUE(prepareCivDraw(fresh));
    assignCivs(fresh);
    for (int p = 0; p < run.players.player_count; ++p) {
        EXPECT_EQ(run.players.player_civs[p], fresh.players.player_civs[p]) << p;
        EXPECT_EQ(run.players.player_tiers[p], fresh.players.player_tiers[p]) << p;
        EXPECT_EQ(run.report.results_line.players[p].team, run.players.player_teams[p]) << "Results.txt as typed";
    }

    ASSERT_EQ(swapPlayers(run, b, a), L"");
    for (int p = 0; p < run.players.player_count; ++p)
        EXPECT_EQ(run.players.player_civs[p], drawn->players.player_civs[p]) << "the draw's own civilisation, " << p;
    EXPECT_EQ(run.teams.team_scores[0], drawn->teams.team_scores[0]);
    const std::vector<std::wstring> cells = hostSwapCells(run);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0], std::wstring(L"Host swapped Senna <-> ") + run.players.player_names[b]);
    EXPECT_EQ(cells[1], std::wstring(L"Host swapped ") + run.players.player_names[b] + L" <-> Senna");
    // Both layouts say each swap: the full report in bars, the compact one on its options line.
    const std::string first = "Host swapped Senna <-> " + toUtf8(run.players.player_names[b]);
    const std::string report = joinedLines(reportLines(run));
    EXPECT_NE(report.find("| " + first + " | "), std::string::npos) << report;
    changeOptions(run, [](OptionSet& options) { options.compact = 1; });
    buildReport(run);
    EXPECT_NE(reportLines(run)[1].find(", " + first + ", Host swapped"), std::string::npos) << reportLines(run)[1];
}

// Each refusal says why, and a refused swap changes nothing.
TEST(PlayerSwap, RefusesWhatCannotBeSwappedAndSaysWhy) {
    TempFolder folder;
    const char* const friends =
        "player_num {4} team_num {2} player_name { 'Senna' 'Orrick' 'Kestrel' 'Mo' 'p5' 'p6' 'p7' 'p8' } "
        "player_rating { 1500 1600 1400 1700 0 0 0 0 } player_fmt_group { 3 3 0 0 0 0 0 0 }";
    Randomiser run = *drawnMatch(friends, {L"rating"});
    ASSERT_EQ(run.players.player_teams[0], run.players.player_teams[1]) << "friends drawn together";
    const int other = opponentOf(run, 0);
    const int teammate = 1;
    EXPECT_EQ(swapRefusal(run, 0, 1), L"Senna and Orrick are both in team " + std::to_wstring(run.players.player_teams[0]));
    EXPECT_EQ(swapRefusal(run, 2, 2), L"Choose two different players");
    EXPECT_EQ(playerIndexOfName(run.players, L"Nobody"), -1);
    EXPECT_EQ(swapRefusal(run, 0, -1), L"Choose two players of the match");
    EXPECT_EQ(swapRefusal(run, 0, other), L"Senna and Orrick share FMT group 3 and would be parted");
    const std::vector<std::string> before = reportLines(run);
    EXPECT_EQ(swapPlayers(run, teammate, other), L"Senna and Orrick share FMT group 3 and would be parted");
    EXPECT_EQ(reportLines(run), before);
    EXPECT_EQ(run.host_swaps.swap_count, 0);

    Randomiser validate = *drawnMatch(friends, {L"validate"});
    EXPECT_EQ(swapRefusal(validate, 0, 2), L"There are no drawn teams to swap in this run");

    // Senna is pinned to team 1, Kestrel and Mo kept apart: the one swap that
    // keeps both exchanges Kestrel and Mo.
    const char* const hostRules =
        "player_num {4} team_num {2} player_name { 'Senna' 'Orrick' 'Kestrel' 'Mo' 'p5' 'p6' 'p7' 'p8' } "
        "player_rating { 1500 1600 1400 1700 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 } "
        "player_team_pin { 1 0 0 0 0 0 0 0 } player_apart_group { 0 0 5 5 0 0 0 0 }";
    Randomiser pinned = *drawnMatch(hostRules, {L"fair_teams", L"100"});
    ASSERT_EQ(pinned.players.player_teams[0], 1);
    const int withSenna = pinned.players.player_teams[2] == 1 ? 2 : 3;
    EXPECT_EQ(swapRefusal(pinned, 0, opponentOf(pinned, 0)), L"Senna is pinned to team 1");
    EXPECT_EQ(swapRefusal(pinned, 1, withSenna), L"Kestrel, Mo of apart group 5 would share a team");
    EXPECT_EQ(swapRefusal(pinned, 2, 3), L"");
    EXPECT_NE(joinedLines(reportLines(pinned)).find("| Pinned Senna 1 | | Apart Kestrel Mo |"), std::string::npos)
        << joinedLines(reportLines(pinned));
}

// The window shows the scores the swap would give before it is made; Ctrl+0
// draws again without the swaps.
TEST(PlayerSwap, PreviewLeavesTheMatchAndDrawAgainDropsTheSwaps) {
    TempFolder folder;
    Randomiser run = *drawnMatch(kSixPlayers, {L"rating"});
    const int b = opponentOf(run, 0);
    const std::vector<std::string> before = reportLines(run);
    const std::wstring preview = swapPreviewText(run, 0, b);
    EXPECT_EQ(reportLines(run), before);
    ASSERT_EQ(swapPlayers(run, 0, b), L"");
    EXPECT_EQ(preview, L"After the swap: Team 1 " + std::to_wstring(run.teams.team_scores[0]) + L", Team 2 " +
                           std::to_wstring(run.teams.team_scores[1]));
    EXPECT_EQ(swapListEntry(run, 0), L"Senna (team " + std::to_wstring(run.players.player_teams[0]) + L")");

    Randomiser fair = *drawnMatch(kSixPlayers, {L"fair_teams"});
    const std::wstring withChance = swapPreviewText(fair, 0, opponentOf(fair, 0));
    EXPECT_NE(withChance.find(L" \u00B7 win chance "), std::wstring::npos) << toUtf8(withChance);

    const std::vector<std::wstring> words = {L"sortilane.exe", L"rating"};
    ASSERT_TRUE(drawAgain(run, words, 1765000000));
    EXPECT_EQ(run.host_swaps.swap_count, 0);
    EXPECT_TRUE(hostSwapCells(run).empty());
}

}  // namespace
