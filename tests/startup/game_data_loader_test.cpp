#include "randomiser/startup/game_data_loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "common/crt_random.h"
#include "common/text_convert.h"
#include "player_data_sample.h"
#include "startup/game_folder.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

class GameDataLoader : public ::testing::Test {
protected:
    TempFolder folder;
    GameFolder files;
    Randomiser randomiser;

    bool load() {
        files.write();
        crtSrand(1);
        return loadGameData(randomiser);
    }
};

TEST_F(GameDataLoader, FillsEveryTable) {
    ASSERT_TRUE(load());
    const PlayerTable& players = randomiser.players;
    EXPECT_EQ(players.player_count, 4);
    EXPECT_EQ(players.team_count, 2);
    EXPECT_EQ(std::wstring(players.player_names[3]), L"Dee");
    EXPECT_EQ(players.player_ratings[0], -1);  // ratings only with the rating option
    const GameTables& game = randomiser.game;
    ASSERT_EQ(game.civ_table.size(), 6u);
    EXPECT_EQ(std::wstring(game.civ_table[3].name), L"beta");
    EXPECT_EQ(game.civ_table[3].tier, 4);
    EXPECT_EQ(game.civ_table[3].eco, 4);
    EXPECT_EQ(game.civ_table[3].military, 2);
    EXPECT_EQ(game.civ_table[3].impact, 3);
    ASSERT_EQ(game.map_table.size(), 3u);
    EXPECT_EQ(game.map_table[1].ratio, 2);
    EXPECT_EQ(std::wstring(game.map_table[1].name), L"dune");
    ASSERT_EQ(game.rule_table.size(), 2u);
    EXPECT_EQ(std::wstring(game.rule_table[1].path), L"./rules/fast.txt");
    // srand(1) draws 41 first: 41 % 6 = 5, and the running sums 1, 3, 6 first exceed 5 at the third map.
    EXPECT_EQ(std::wstring(randomiser.current.map_name), L"Crag");
    EXPECT_EQ(debugLogText(), "");
}

TEST_F(GameDataLoader, ReadsRatingsAndGroupsOfThePlayersInTheMatch) {
    changeOptions(randomiser, [](OptionSet& options) { options.use_ratings = 1; });
    files.playerData =
        "player_num {2} team_num {2} player_name { 'Twentycharactername1' 'B' 'C' } "
        "player_rating { 1500 1600 1700 } player_fmt_group { 3 3 3 }";
    ASSERT_TRUE(load());
    EXPECT_EQ(std::wstring(randomiser.players.player_names[0]), L"Twentycharacter");
    EXPECT_EQ(randomiser.players.player_ratings[1], 1600);
    EXPECT_EQ(randomiser.players.player_ratings[2], -1);  // beyond player_num
    EXPECT_EQ(randomiser.players.player_fmt_groups[1], 3);
    EXPECT_EQ(randomiser.players.player_fmt_groups[2], 0);
    EXPECT_EQ(randomiser.players.player_unrated[0], 0);  // a file without marks: every player rated

    files.playerData += " player_unrated { 0 1 }";
    ASSERT_TRUE(load());
    EXPECT_EQ(randomiser.players.player_unrated[0], 0);
    EXPECT_EQ(randomiser.players.player_unrated[1], 1);
    EXPECT_EQ(randomiser.players.player_team_pins[1], 0);  // no pins, nobody apart
    EXPECT_EQ(randomiser.players.player_apart_groups[0], 0);

    files.playerData += " player_team_pin { 0 2 } player_apart_group { 14 }";
    ASSERT_TRUE(load());
    EXPECT_EQ(randomiser.players.player_team_pins[0], 0);
    EXPECT_EQ(randomiser.players.player_team_pins[1], 2);
    EXPECT_EQ(randomiser.players.player_apart_groups[0], 14);
    EXPECT_EQ(randomiser.players.player_apart_groups[1], 0);  // beyond the list
}

TEST_F(GameDataLoader, CutsLongNames) {
    files.civs = "civ_num {1} civ_name {'" + std::string(35, 'c') + "'} civ_tier {1}";
    files.maps = "map_num {1} map_ratios {1} map_name {'" + std::string(100, 'm') + "'}";
    ASSERT_TRUE(load());
    EXPECT_EQ(std::wstring(randomiser.game.civ_table[0].name), std::wstring(29, L'c'));
    EXPECT_EQ(std::wstring(randomiser.current.map_name), std::wstring(79, L'm'));
}

TEST_F(GameDataLoader, ReadsUtf8FilesAsUtf8AndOthersByteForByte) {
    // UTF-8 with a byte order mark: 15 characters are kept, counted as
    // characters (the 16th, a four-byte one, is left out whole).
    std::string longName;
    for (int i = 0; i < 16; ++i) longName += "\xF0\x9F\x98\x80";
    files.playerData =
        "\xEF\xBB\xBFplayer_num {4} team_num {2} player_name { 'Jos\xC3\xA9' "
        "'\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4' '\xE6\x9D\x8E\xE9\x9B\xB7' '" +
        longName + "' } player_rating {} player_fmt_group {}";
    files.civs = "civ_num {1} civ_name {'" + std::string(30, 'c') + "\xC3\xA9'} civ_tier {1}";
    files.maps = "map_num {1} map_ratios {1} map_name {'L\xE9man'}";  // Latin-1
    ASSERT_TRUE(load());
    const PlayerTable& players = randomiser.players;
    EXPECT_EQ(std::wstring(players.player_names[0]), L"Jos\u00E9");
    EXPECT_EQ(std::wstring(players.player_names[1]), L"\u0412\u043B\u0430\u0434");
    EXPECT_EQ(std::wstring(players.player_names[2]), L"\u674E\u96F7");
    const std::wstring name = players.player_names[3];
    EXPECT_EQ(charCount(name), 15u);
    EXPECT_EQ(toUtf8(name), longName.substr(0, 60));
    EXPECT_EQ(std::wstring(randomiser.game.civ_table[0].name), std::wstring(29, L'c'));
    EXPECT_EQ(std::wstring(randomiser.current.map_name), L"L\u00E9man");
}

// A player_name list that lost its } reads the keys after it as its values.
TEST_F(GameDataLoader, NamesTheKeyMissingFromPlayerData) {
    files.playerData = replacedOnce(files.playerData, "'p8' }", "'p8'");
    EXPECT_FALSE(load());
    EXPECT_EQ(debugLogText(), "PlayerData.txt has no player_rating - is a } or a quote missing before it?\n");
}

TEST_F(GameDataLoader, RefusesPlayerDataWithFewerNamesOrRatingsThanPlayers) {
    files.playerData =
        "player_num {4} team_num {2} player_name {'a' 'b' 'c'} player_rating {1 2 3 4} "
        "player_fmt_group {}";
    EXPECT_FALSE(load());
    EXPECT_EQ(debugLogText(), "player_name holds 3 values, fewer than player_num 4\n");

    std::remove("debug.txt");
    files.playerData =
        "player_num {4} team_num {2} player_name {'a' 'b' 'c' 'd'} player_rating {1 2 3} "
        "player_fmt_group {}";
    EXPECT_TRUE(load()) << "ratings are not read without the rating option";
    changeOptions(randomiser, [](OptionSet& options) { options.use_ratings = 1; });
    EXPECT_FALSE(load());
    EXPECT_EQ(debugLogText(), "player_rating holds 3 values, fewer than player_num 4\n");
}

TEST_F(GameDataLoader, RefusesListsShorterThanTheirCount) {
    struct Case {
        std::string civs;
        std::string maps;
        std::string rules;
        std::string line;
    };
    GameFolder good;
    const Case cases[] = {
        {"civ_num {2} civ_name {'Only'} civ_tier {1 2}", good.maps, good.rules,
         "civ_name holds 1 values, fewer than civ_num 2\n"},
        {"civ_num {2} civ_name {'A' 'B'} civ_tier {1}", good.maps, good.rules,
         "civ_tier holds 1 values, fewer than civ_num 2\n"},
        {good.civs, "map_num {2} map_ratios {1} map_name {'A' 'B'}", good.rules,
         "map_ratios holds 1 values, fewer than map_num 2\n"},
        {good.civs, "map_num {2} map_ratios {1 1} map_name {'A'}", good.rules,
         "map_name holds 1 values, fewer than map_num 2\n"},
        {good.civs, good.maps, "rule_num {2} rule_ratios {1} rule_path {'a' 'b'}",
         "rule_ratios holds 1 values, fewer than rule_num 2\n"},
        {good.civs, good.maps, "rule_num {2} rule_ratios {1 1}", "rule_path holds 0 values, fewer than rule_num 2\n"},
    };
    for (const Case& c : cases) {
        std::remove("debug.txt");
        files.civs = c.civs;
        files.maps = c.maps;
        files.rules = c.rules;
        EXPECT_FALSE(load()) << c.line;
        EXPECT_EQ(debugLogText(), c.line);
    }
}

// The randomiser never writes its data files.
TEST_F(GameDataLoader, LoadsReadOnlyFiles) {
    files.write();
    for (const char* name :
         {"PlayerData.txt", "Scripts/Civ_Details.txt", "Scripts/Map_Details.txt", "Scripts/Rule_Details.txt"})
        ASSERT_EQ(chmod(name, 0444), 0);
    EXPECT_TRUE(runWithoutRootRights([this] { return loadGameData(randomiser); }));
}

TEST_F(GameDataLoader, ChecksThePlayerAndTeamCounts) {
    struct Case {
        int players;
        int teams;
        bool loads;
        std::string line;
    };
    const Case cases[] = {
        {8, 2, true, ""},
        {6, 3, true, ""},
        {4, 4, true, ""},
        {1, 1, true, ""},
        {6, 4, false, "PlayerData player_num is not a whole multiple of team_num - Passed ~ 6 players in 4 teams\n"},
        {5, 2, false, "PlayerData player_num is not a whole multiple of team_num - Passed ~ 5 players in 2 teams\n"},
        {0, 2, false, "PlayerData player_num is 0 - Passed ~ 0 players in 2 teams\n"},
        {0, 0, false, "PlayerData player_num is 0 - Passed ~ 0 players in 0 teams\n"},
        {4, 0, false, "PlayerData team_num is 0 - Passed ~ 4 players in 0 teams\n"},
        {9, 3, false, "PlayerData player_num must be 1 to 8 - Passed ~ 9\n"},
        {-4, 2, false, "PlayerData player_num must be 1 to 8 - Passed ~ -4\n"},
        {4, -2, false, "PlayerData team_num must be 1 to 4 - Passed ~ -2\n"},
        {8, 8, false, "PlayerData team_num must be 1 to 4 - Passed ~ 8\n"},
        {-2147483647 - 1, -1, false, "PlayerData player_num must be 1 to 8 - Passed ~ -2147483648\n"},
        {8, 1, false, "PlayerData holds more than 4 players a team - Passed ~ 8 players in 1 teams\n"},
    };
    for (const Case& c : cases) {
        std::remove("debug.txt");
        files.playerData = "player_num {" + std::to_string(c.players) + "} team_num {" + std::to_string(c.teams) +
                           "} player_name {'a' 'b' 'c' 'd' 'e' 'f' 'g' 'h'} player_rating {0} player_fmt_group {0}";
        EXPECT_EQ(load(), c.loads) << c.players << "/" << c.teams;
        EXPECT_EQ(debugLogText(), c.line) << c.players << "/" << c.teams;
    }
}

TEST_F(GameDataLoader, RefusesUnusableScripts) {
    struct Case {
        std::string civs;
        std::string maps;
        std::string rules;
        std::string line;
    };
    GameFolder good;
    const Case cases[] = {
        {"civ_num {0}", good.maps, good.rules, ""},
        {"civ_num {-1}", good.maps, good.rules, ""},
        {"civ_num {101}", good.maps, good.rules, "civ_num above 100, more than a list can hold - Passed ~ 101\n"},
        {good.civs, "map_num {0}", good.rules, "Map Num From Script Required - Passed ~ 0\n"},
        {good.civs, "map_num {101}", good.rules, "map_num above 100, more than a list can hold - Passed ~ 101\n"},
        {good.civs, "map_num {2} map_ratios {0 0} map_name {'a' 'b'}", good.rules,
         "No map can be drawn: the map ratios add up to 0\n"},
        {good.civs, "map_num {2} map_ratios {-1 5} map_name {'a' 'b'}", good.rules,
         "Map ratio below 0 in map script - Passed ~ -1\n"},
        {good.civs, "map_num {2} map_ratios {2147483647 1} map_name {'a' 'b'}", good.rules,
         "Map ratios must add up to 1 to 2147483647 - Passed ~ 2147483648\n"},
        {good.civs, good.maps, "rule_num {0}", "Rule Num From Script Required - Passed ~ 0\n"},
        {good.civs, good.maps, "", "script - expected integer missing\nRule Num From Script Required - Passed ~ 0\n"},
        {good.civs, good.maps, "rule_num {101}", "rule_num above 100, more than a list can hold - Passed ~ 101\n"},
    };
    for (const Case& c : cases) {
        std::remove("debug.txt");
        files.civs = c.civs;
        files.maps = c.maps;
        files.rules = c.rules;
        EXPECT_FALSE(load()) << c.line;
        EXPECT_EQ(debugLogText(), c.line);
    }
}

TEST_F(GameDataLoader, LogsAnUnreadableFileTwice) {
    files.write();
    std::remove("Scripts/Map_Details.txt");
    EXPECT_FALSE(loadGameData(randomiser));
    EXPECT_EQ(debugLogText(),
              std::string("filename doesnt exist - ./Scripts/Map_Details.txt\n") + kInvalidTextLine + kInvalidTextLine);
}

TEST_F(GameDataLoader, DrawsTheMapByItsRatio) {
    files.maps = "map_num {3} map_ratios {0 0 5} map_name {'A' 'B' 'C'}";
    files.write();
    for (uint32_t seed = 0; seed < 50; ++seed) {
        crtSrand(seed);
        ASSERT_TRUE(loadGameData(randomiser));
        EXPECT_EQ(std::wstring(randomiser.current.map_name), L"C");
    }
    files.maps = "map_num {2} map_ratios {1 1} map_name {'A' 'B'}";
    files.write();
    int firstMap = 0;
    for (uint32_t seed = 0; seed < 1000; ++seed) {
        crtSrand(seed);
        ASSERT_TRUE(loadGameData(randomiser));
        if (std::wstring(randomiser.current.map_name) == L"A") ++firstMap;
    }
    EXPECT_GT(firstMap, 400);
    EXPECT_LT(firstMap, 600);
}

TEST_F(GameDataLoader, RemovesACivilisationWithAllItsFields) {
    ASSERT_TRUE(load());
    removeCivAt(randomiser.game, 1);
    ASSERT_EQ(randomiser.game.civ_table.size(), 5u);
    EXPECT_EQ(std::wstring(randomiser.game.civ_table[1].name), L"Reed");
    EXPECT_EQ(randomiser.game.civ_table[1].tier, 3);
    EXPECT_EQ(randomiser.game.civ_table[1].eco, 3);
}

}  // namespace
