#include "randomiser/allocation/civ_assignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "common/crt_random.h"
#include "randomiser/allocation/handicap_reshape.h"
#include "randomiser/allocation/team_assignment.h"
#include "support/allocation_checks.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

// Players 0..n-1 with the given teams and rating classes, 4 civs a tier.
Randomiser civRun(const std::vector<int>& teams, int teamCount, int perTier = 4) {
    Randomiser r;
    std::vector<int> ratings(teams.size(), 1500);
    setPlayers(r, teamCount, ratings);
    for (size_t p = 0; p < teams.size(); ++p) {
        r.players.player_teams[p] = teams[p];
        r.players.player_rating_classes[p] = 3;
    }
    addCivs(r, perTier);
    return r;
}

TEST(DrawWeightedTier, EvenWeightsNeverDrawTierFour) {
    Randomiser r = civRun({1, 2}, 2);
    int seen[5] = {};
    crtSrand(1);
    for (int i = 0; i < 4000; ++i) ++seen[drawWeightedTier(r)];
    EXPECT_EQ(seen[4], 0);
    EXPECT_NEAR(seen[1], 2000, 150);  // r = 0 and 1
    EXPECT_NEAR(seen[2], 1000, 150);
    EXPECT_NEAR(seen[3], 1000, 150);
}

TEST(DrawWeightedTier, ZeroWeightsAreNeverDrawn) {
    struct Case {
        int w[4];
        std::set<int> allowed;
    };
    const Case cases[] = {
        {{0, 0, 0, 5}, {4}},
        {{0, 3, 0, 2}, {2, 4}},
        {{2, 0, 0, 0}, {1}},
        {{0, 0, 1, 0}, {3}},
    };
    for (const Case& c : cases) {
        Randomiser r = civRun({1, 2}, 2);
        std::copy(c.w, c.w + 4, r.civ_draw.tier_ratios);
        crtSrand(3);
        for (int i = 0; i < 500; ++i) EXPECT_TRUE(c.allowed.count(drawWeightedTier(r))) << c.w[0] << c.w[1];
    }
}

TEST(HandicapShift, AroundAnAverageOf1500) {
    const int cases[][2] = {{1650, -1}, {1651, -2}, {1576, -1}, {1575, 0}, {1425, 0},
                            {1424, 1},  {1350, 1},  {1349, 2},  {1500, 0}};
    for (const auto& c : cases) EXPECT_EQ(handicapShift(c[0], 1500), c[1]) << c[0];
}

TEST(PrepareCivDraw, RefusalsAndTheirLogLines) {
    struct Case {
        const char* what;
        void (*setup)(Randomiser&);
        std::string logged;  // "" means nothing is logged
    };
    const Case cases[] = {
        {"all weights zero",
         [](Randomiser& r) {
             changeOptions(r, [](OptionSet& options) {
                 options.varied_tier_ratios = 1;
                 std::fill(options.tier_ratios, options.tier_ratios + 4, 0);
             });
         },
         ""},
        {"weights only on empty tiers",
         [](Randomiser& r) {
             r.game.civ_table.clear();
             addCiv(r, L"a", 1);
             changeOptions(r, [](OptionSet& options) {
                 options.varied_tier_ratios = 1;
                 options.tier_ratios[0] = 0;
             });
         },
         ""},
        {"single tier without civs",
         [](Randomiser& r) {
             r.game.civ_table.clear();
             addCiv(r, L"a", 1);
             changeOptions(r, [](OptionSet& options) {
                 options.single_tier = 1;
                 options.single_tier_value = 3;
             });
         },
         "NULL Tier Passed For Single Civ Tier Option 3\n"},
        {"single tier value outside 1..4",
         [](Randomiser& r) {
             changeOptions(r, [](OptionSet& options) {
                 options.single_tier = 1;
                 options.single_tier_value = 7;
             });
         },
         "NULL Tier Passed For Single Civ Tier Option 7\n"},
        {"lowest single tier value",
         [](Randomiser& r) {
             changeOptions(r, [](OptionSet& options) {
                 options.single_tier = 1;
                 options.single_tier_value = INT32_MIN;
             });
         },
         "NULL Tier Passed For Single Civ Tier Option -2147483648\n"},
        {"single tier outside the range",
         [](Randomiser& r) {
             changeOptions(r, [](OptionSet& options) {
                 options.single_tier = 1;
                 options.single_tier_value = 4;
                 options.tier_range_low = 1;
             });
         },
         "Single Civ Tier Option 4 Lies Outside The Tier Range\n"},
        {"range over empty tiers",
         [](Randomiser& r) {
             r.game.civ_table.clear();
             addCiv(r, L"a", 3);
             addCiv(r, L"b", 4);
             changeOptions(r, [](OptionSet& options) { options.tier_range_low = 1; });
         },
         "No Civ Tier Holds A Civ Within The Tier Range\n"},
        {"range reset to weights of empty tiers",
         [](Randomiser& r) {
             r.game.civ_table.clear();
             addCiv(r, L"a", 1);
             addCiv(r, L"b", 2);
             changeOptions(r, [](OptionSet& options) {
                 options.varied_tier_ratios = 1;
                 options.tier_range_high = 1;
             });
         },
         "No Weighted Civ Tier Holds A Civ Within The Tier Range\n"},
        {"slot tier drawn from a reset pair whose lower tier is empty",
         [](Randomiser& r) {
             // Weights 5 0 0 0 with range high: tiers 3 and 4 are reset to 1,
             // and the weighted draw then always gives tier 3, which is empty.
             r.game.civ_table.clear();
             addCiv(r, L"a", 1);
             addCiv(r, L"b", 4);
             changeOptions(r, [](OptionSet& options) {
                 options.varied_tier_ratios = 1;
                 const int ratios[4] = {5, 0, 0, 0};
                 std::copy(ratios, ratios + 4, options.tier_ratios);
                 options.tier_range_high = 1;
             });
         },
         "Varied Tier Slot 0 Drew Tier 3 Which Holds No Civ\n"},
        {"no civilisation in tiers 1..4",
         [](Randomiser& r) {
             r.game.civ_table.clear();
             addCiv(r, L"a", 0);
             addCiv(r, L"b", 5);
         },
         "No Civ Has A Tier From 1 To 4 - Civ Num ~ 2\n"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        Randomiser r = civRun({1, 2}, 2);
        c.setup(r);
        crtSrand(1);
        EXPECT_FALSE(prepareCivDraw(r)) << c.what;
        EXPECT_EQ(debugLogText(), c.logged) << c.what;
    }
}

TEST(PrepareCivDraw, VariedWeightsDropEmptyTiersAndApplyTheRange) {
    Randomiser r = civRun({1, 2}, 2);
    r.game.civ_table.erase(r.game.civ_table.begin(), r.game.civ_table.begin() + 4);  // tier 1 empty
    changeOptions(r, [](OptionSet& options) {
        options.varied_tier_ratios = 1;
        const int ratios[4] = {3, 2, 0, 4};
        std::copy(ratios, ratios + 4, options.tier_ratios);
        options.tier_range_mid = 1;
    });
    crtSrand(1);
    ASSERT_TRUE(prepareCivDraw(r));
    EXPECT_EQ(r.civ_draw.civ_cycle, 1);
    const int expected[4] = {0, 2, 0, 0};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(r.civ_draw.tier_ratios[i], expected[i]);
    EXPECT_EQ(r.civ_draw.tier_lists.count[0], 0);
    EXPECT_EQ(r.civ_draw.tier_lists.count[3], 4);
    EXPECT_EQ(r.civ_draw.tier_lists.civs[3][0], 8);
}

TEST(PrepareCivDraw, ComboWithoutQualifyingCivIsSwitchedOff) {
    TempFolder folder;
    Randomiser r = civRun({1, 2}, 2);
    for (CivRecord& civ : r.game.civ_table) civ.military = 4;
    changeOptions(r, [](OptionSet& options) {
        options.varied_tier_ratios = 1;
        options.score_combo = 2;
    });
    crtSrand(1);
    EXPECT_TRUE(prepareCivDraw(r));
    EXPECT_EQ(r.civ_draw.score_combo, 0);
    EXPECT_EQ(debugLogText(), "No Available civ selection for Combo Option 2\n");
}

void runCivs(Randomiser& r, uint32_t seed) {
    crtSrand(seed);
    ASSERT_TRUE(prepareCivDraw(r));
    assignCivs(r);
}

TEST(AssignCivs, LaterTeamsMirrorTeamOneTiersWithoutRepeats) {
    for (uint32_t seed = 0; seed < 300; ++seed) {
        Randomiser r = civRun({1, 2, 1, 2, 2, 1}, 2, 6);  // room for six players in any tier
        runCivs(r, seed);
        EXPECT_EQ(tiersOfTeam(r, 1), tiersOfTeam(r, 2)) << seed;
        std::set<int> civs(r.players.player_civs, r.players.player_civs + 6);
        EXPECT_EQ(civs.size(), 6u) << seed;
        for (int p = 0; p < 6; ++p)
            EXPECT_EQ(r.game.civ_table[r.players.player_civs[p]].tier, r.players.player_tiers[p] + 1);
    }
}

TEST(AssignCivs, ReflectivePlayerCopiesTeamOnePosition) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        Randomiser r = civRun({1, 1, 2, 2}, 2);
        changeOptions(r, [](OptionSet& options) { options.reflective[3] = 1; });  // the second player of team 2
        runCivs(r, seed);
        EXPECT_EQ(r.players.player_civs[3], r.players.player_civs[1]);
    }
}

TEST(AssignCivs, TeamRandomGivesEachTeamOneDistinctCiv) {
    for (uint32_t seed = 0; seed < 200; ++seed) {
        Randomiser r = civRun({1, 2, 1, 2, 3, 3}, 3);
        changeOptions(r, [&](OptionSet& options) {
            options.team_random = 1;
            options.reflective[2] = 1;  // copies team 1's civilisation
            options.civ_cycle = seed % 2;
        });
        runCivs(r, seed);
        const int* c = r.players.player_civs;
        EXPECT_EQ(c[0], c[2]);
        EXPECT_EQ(c[1], c[3]);
        EXPECT_EQ(c[4], c[5]);
        EXPECT_NE(c[0], c[1]);
        EXPECT_NE(c[0], c[4]);
        EXPECT_NE(c[1], c[4]);
    }
}

TEST(AssignCivs, TeamRandomWithSingleTierKeepsEveryTeamInTheTier) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        Randomiser r = civRun({1, 2, 3, 4}, 4, 2);
        changeOptions(r, [](OptionSet& options) {
            options.team_random = 1;
            options.single_tier = 1;
            options.single_tier_value = 2;
            options.civ_cycle = 1;
        });
        runCivs(r, seed);
        for (int p = 0; p < 4; ++p) EXPECT_EQ(r.players.player_tiers[p], 1);
        // Two civs for four teams: the clashes stand after the guard.
        std::set<int> civs(r.players.player_civs, r.players.player_civs + 4);
        EXPECT_EQ(civs.size(), 2u);
    }
}

TEST(AssignCivs, SingleTierWithCycleWalksInsideTheTier) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        Randomiser r = civRun({1, 1, 1, 2, 2, 2}, 2);
        changeOptions(r, [](OptionSet& options) {
            options.single_tier = 1;
            options.single_tier_value = 3;
            options.civ_cycle = 1;
        });
        runCivs(r, seed);
        std::set<int> civs;
        for (int p = 0; p < 6; ++p) {
            EXPECT_EQ(r.players.player_tiers[p], 2);
            civs.insert(r.players.player_civs[p]);
        }
        EXPECT_EQ(civs.size(), 4u);  // four civs for six players: two repeats, after the guards
    }
}

TEST(AssignCivs, CycleWithoutVariedRatiosDrawsSlotTiersFromCivTiers) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        Randomiser r = civRun({1, 2, 1, 2}, 2, 1);
        r.game.civ_table.erase(r.game.civ_table.begin() + 1);  // tier 2 empty
        changeOptions(r, [](OptionSet& options) { options.civ_cycle = 1; });
        runCivs(r, seed);
        for (int p = 0; p < 4; ++p) EXPECT_NE(r.players.player_tiers[p], 1);
        EXPECT_EQ(tiersOfTeam(r, 1), tiersOfTeam(r, 2));
    }
}

TEST(AssignCivs, GuardsEndDrawsWhenCivsRunOut) {
    // Eight players, one civilisation: every guard has to fire.
    Randomiser r = civRun({1, 1, 1, 1, 2, 2, 2, 2}, 2, 0);
    addCiv(r, L"only", 2);
    runCivs(r, 4);
    for (int p = 0; p < 8; ++p) EXPECT_EQ(r.players.player_civs[p], 0);
    EXPECT_EQ(r.civ_draw.repeat_combo, 80);
    EXPECT_EQ(r.civ_draw.repeat_enemy[4], 1);
    EXPECT_EQ(r.civ_draw.repeat_ally, 1);
}

TEST(AssignCivs, ScoreComboRefusesForLowClassesOnly) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        Randomiser r = civRun({1, 1, 2, 2}, 2);
        r.players.player_rating_classes[0] = 1;
        r.players.player_rating_classes[1] = 4;
        changeOptions(r, [](OptionSet& options) { options.score_combo = 2; });
        runCivs(r, seed);
        EXPECT_LT(r.game.civ_table[r.players.player_civs[0]].military, 3) << seed;
        EXPECT_EQ(r.civ_draw.score_combo, 2);
    }
}

TEST(AssignCivs, ScoreComboThreeRefusesOnlyCivsStrongInEcoAndMilitary) {
    std::set<int> kinds;  // 0 strong in both, 1 eco only, 2 military only, 3 neither
    for (uint32_t seed = 0; seed < 200; ++seed) {
        Randomiser r = civRun({1, 1, 2, 2}, 2, 0);
        for (int tier = 1; tier <= 4; ++tier) {
            addCiv(r, L"both", tier, 4, 4);
            addCiv(r, L"eco", tier, 4, 1);
            addCiv(r, L"military", tier, 1, 4);
            addCiv(r, L"neither", tier, 1, 1);
        }
        r.players.player_rating_classes[0] = 1;
        changeOptions(r, [](OptionSet& options) { options.score_combo = 3; });
        runCivs(r, seed);
        const int civ = r.players.player_civs[0];
        EXPECT_NE(civ % 4, 0) << seed;
        kinds.insert(civ % 4);
        EXPECT_EQ(r.civ_draw.score_combo, 3);
    }
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3}));
}

TEST(PrepareCivDraw, ScoreComboThreeStaysOnlyWithACivWeakInEcoAndMilitary) {
    for (int military : {1, 4}) {
        TempFolder folder;
        Randomiser r = civRun({1, 2}, 2, 0);
        addCiv(r, L"eco", 1, 4, 1);
        addCiv(r, L"other", 2, 1, military);
        changeOptions(r, [](OptionSet& options) {
            options.varied_tier_ratios = 1;
            options.score_combo = 3;
        });
        crtSrand(1);
        EXPECT_TRUE(prepareCivDraw(r));
        EXPECT_EQ(r.civ_draw.score_combo, military == 1 ? 3 : 0) << military;
        EXPECT_EQ(debugLogText(), military == 1 ? "" : "No Available civ selection for Combo Option 3\n") << military;
    }
}

TEST(ApplyHandicap, StrongTeamMovesDownAndWeakTeamUp) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        Randomiser r = civRun({1, 1, 2, 2}, 2);
        crtSrand(seed);
        ASSERT_TRUE(prepareCivDraw(r));
        // Team 1 holds tiers 1 and 3, team 2 tiers 0 and 3 (list place 0 each).
        const int tiers[4] = {1, 3, 0, 3};
        for (int p = 0; p < 4; ++p) {
            r.players.player_tiers[p] = tiers[p];
            r.civ_draw.civ_places[p] = 0;
        }
        r.teams.team_scores[0] = 1700;  // above 1560 + 75: one tier down
        r.teams.team_scores[1] = 1420;  // below 1560 - 75: one tier up
        r.teams.team_score_average = 1560;
        applyHandicap(r, 0);
        applyHandicap(r, 1);
        EXPECT_EQ(tiersOfTeam(r, 1), (std::multiset<int>{0, 2}));
        EXPECT_EQ(tiersOfTeam(r, 2), (std::multiset<int>{1, 3}));
        for (int p = 0; p < 4; ++p) {
            EXPECT_GE(r.civ_draw.civ_places[p], 0);
            EXPECT_LT(r.civ_draw.civ_places[p], 4);
        }
    }
}

TEST(ApplyHandicap, SkipsEmptyTiersAndFallsBackAtTheBound) {
    Randomiser r = civRun({1, 2}, 2, 0);
    addCiv(r, L"one", 1);
    addCiv(r, L"two", 2);
    crtSrand(1);
    ASSERT_TRUE(prepareCivDraw(r));
    r.players.player_tiers[1] = 1;
    r.civ_draw.civ_places[1] = 0;
    r.teams.team_scores[1] = 1000;  // +2 from tier index 1 reaches 3 (empty): nearest below is index 1
    r.teams.team_score_average = 1500;
    applyHandicap(r, 1);
    EXPECT_EQ(r.players.player_tiers[1], 1);
    EXPECT_EQ(r.civ_draw.slot_tiers[0], 2);
}

TEST(ReshapeTeam, ValuesMoveToHigherRatedPlayers) {
    Randomiser r = civRun({1, 1, 1}, 1, 0);
    addCiv(r, L"strong", 4, 5, 5, 5);
    addCiv(r, L"middle", 2, 3, 3, 3);
    addCiv(r, L"weak", 1, 1, 1, 1);
    r.players.player_rating_classes[0] = 1;
    r.players.player_rating_classes[1] = 3;
    r.players.player_rating_classes[2] = 5;
    r.players.player_civs[0] = 0;  // strong at the newb
    r.players.player_civs[1] = 1;
    r.players.player_civs[2] = 2;
    reshapeTeam(r, 1);
    EXPECT_EQ(r.civ_draw.reshape_amount, 4);  // no number: impact
    // Pass 1: class 1 with v 5 swaps with the first class >= 2 below 4 (player 1).
    // Pass 3: player 1 (class 3) now holds 5 and swaps with the class-5 player.
    EXPECT_EQ(r.players.player_civs[0], 1);
    EXPECT_EQ(r.players.player_civs[1], 2);
    EXPECT_EQ(r.players.player_civs[2], 0);
}

TEST(ReshapeTeam, TierBasisAndTwoForOne) {
    Randomiser r = civRun({1, 1}, 1, 0);
    addCiv(r, L"tier2", 2, 9, 9, 9);
    addCiv(r, L"tier1", 1, 9, 9, 9);
    r.civ_draw.reshape_amount = 1;
    r.players.player_rating_classes[0] = 1;
    r.players.player_rating_classes[1] = 2;
    r.players.player_civs[0] = 0;
    r.players.player_civs[1] = 1;
    reshapeTeam(r, 1);
    EXPECT_EQ(r.civ_draw.reshape_amount, 1);
    EXPECT_EQ(r.players.player_civs[0], 1);
    EXPECT_EQ(r.players.player_civs[1], 0);
}

}  // namespace

namespace {

TEST(ApplyHandicap, RaisingWithOnlyTheLowestTierFallsBackToIt) {
    Randomiser r = civRun({1, 2}, 2, 0);
    addCiv(r, L"a", 1);
    addCiv(r, L"b", 1);
    crtSrand(1);
    ASSERT_TRUE(prepareCivDraw(r));
    assignCivs(r);
    r.civ_draw.civ_places[1] = 0;  // list place 0, for the redraw
    r.teams.team_scores[1] = 1000;
    r.teams.team_score_average = 1500;
    applyHandicap(r, 1);  // +2 reaches the empty tier index 3; only index 0 holds civs
    EXPECT_EQ(r.players.player_tiers[1], 0);
    EXPECT_EQ(r.civ_draw.slot_tiers[0], 1);
}

TEST(AssignCivs, EveryRepeatOfATeamCountsAgainstRepeatCombo) {
    // One civilisation, two teams of two; both team-2 players may repeat
    // enemies. The first repeat of team 2 uses up a repeat_combo of 1, so the
    // second player waits for the guard that sets repeat_ally; with 2 it repeats at once.
    for (int combo = 1; combo <= 2; ++combo) {
        Randomiser r = civRun({1, 1, 2, 2}, 2, 0);
        addCiv(r, L"only", 1);
        changeOptions(r, [&](OptionSet& options) {
            options.repeat_enemy[2] = options.repeat_enemy[3] = 1;
            options.repeat_combo = combo;
        });
        runCivs(r, 5);
        for (int p = 0; p < 4; ++p) EXPECT_EQ(r.players.player_civs[p], 0);
        EXPECT_EQ(r.civ_draw.repeat_ally, combo == 1 ? 1 : 0) << combo;
        EXPECT_EQ(r.civ_draw.repeat_combo, combo);
    }
}

}  // namespace
