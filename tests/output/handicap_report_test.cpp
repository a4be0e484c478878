// A whole report pinned on data written here, for a rated run whose handicap
// shifts both teams (the sample folder's teams never shift). Worked out once
// and checked against an independent model of the draws, and the shift by
// hand: team 1 scores (1193 + 1724 + 1220 + 1177) / 4 = 1328, team 2 1507, the
// average 1417, so team 1 moves one tier up and team 2 one tier down. Both
// teams first held tiers 4 3 3 2; team 2's tier 1 holds no civilisation, so
// that player stays in tier 2.
#include <gtest/gtest.h>

#include "randomiser/startup/match_from_words.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

const char* const kCivs =
    "civ_num {25}\n"
    "civ_name { 'civ0longername' 'Civ1' 'civ2' 'civ3' 'civ4longername' 'civ5longername' 'Civ6longername' 'Civ7' 'Civ8' "
    "'Civ9longername' 'civ10' 'Civ11' 'Civ12' 'Civ13' 'Civ14' 'civ15' 'Civ16' 'civ17longername' 'civ18' "
    "'Civ19longername' 'civ20longername' 'Civ21' 'Civ22longername' 'civ23longername' 'civ24longername' }\n"
    "civ_tier { 2 2 2 2 2 2 2 2 3 3 3 3 3 3 3 3 4 4 4 4 4 4 4 4 5 }\n"
    "civ_eco { 5 4 4 1 3 2 2 1 1 3 5 2 1 2 3 3 4 3 1 1 5 2 2 2 1 }\n"
    "civ_military { 3 4 4 2 1 2 4 2 5 2 4 4 4 2 1 5 2 1 2 5 1 4 1 5 4 }\n"
    "civ_impact { 5 3 4 3 5 5 5 2 2 4 4 2 2 5 2 2 1 2 4 5 4 2 4 3 3 }\n";

const char* const kPlayers =
    "player_num {8} team_num {2}\n"
    "player_name { 'name0' 'name1' 'name2' 'name3' 'name4' 'name5' 'name6' 'name7' }\n"
    "player_rating { 1193 1176 1766 1858 1724 1220 1229 1177 }\n"
    "player_fmt_group { 0 2 0 0 0 0 0 1 }\n";

TEST(PinnedReports, HandicapShiftsBothTeams) {
    TempFolder folder;
    writeFile("PlayerData.txt", kPlayers);
    writeFile("Scripts/Civ_Details.txt", kCivs);
    writeFile("Scripts/Map_Details.txt", "map_num {2} map_ratios {1 1} map_name {'Fen' 'Crag'}\n");
    writeFile("Scripts/Rule_Details.txt", "rule_num {1} rule_ratios {1} rule_path {'Usual'}\n");
    Randomiser r;
    std::vector<std::wstring> words = {L"Brenlow_Sortilane.exe", L"rating", L"handicap", L"reshape"};
    ASSERT_TRUE(computeMatch(r, 99, words));
    const std::vector<std::string> expected = {
        "~-~ Brenlow Sortilane - Version: 2.0k ~-~",
        "                                                 ",
        "Seed: 99",
        "| P-8 T-2 | | Ratings Based | ",
        "| Reshape Civs To Higher Rated - Impact Based | ",
        "",
        "",
        "| Handicap | ",
        "| Friends May Team 0 2 0 0 0 0 0 1 | ",
        "| Civ Tier 4 3 2 2 4 3 2 4 | ",
        "| Team Scores 1328 1507 ~ Average 1417 | ",
        "_________________________________________________",
        "| NAME             | | RATE    | | CIV        | | TEAM |",
        "| name0            | | Newb    | | Civ16      | | 1    |",
        "| name1            | | Newb    | | Civ12      | | 2    |",
        "| name2            | | Extreme | | Civ6longer | | 2    |",
        "| name3            | | Extreme | | Civ3       | | 2    |",
        "| name4            | | Extreme | | Civ17longe | | 1    |",
        "| name5            | | Newb    | | Civ15      | | 1    |",
        "| name6            | | Newb    | | Civ1       | | 2    |",
        "| name7            | | Newb    | | Civ21      | | 1    |",
    };
    EXPECT_EQ(reportLines(r), expected);
}

}  // namespace
