#include <filesystem>
#include <string>

#include "editor/display_text.h"
#include "editor_fixture.h"

namespace {

std::wstring row(const wchar_t* text) { return std::wstring(text) + L"\n"; }

const std::wstring kRule(80, L'_');

std::wstring defaultDisplay() {
    return L"Number Of Players ~ 6 | Number Of Teams ~ 2\n\n" + kRule + L"\n" +
           row(L"| Player Name     | Rating | FMT  |") + row(L"| p1              | 0      | 0    |") +
           row(L"| p2              | 0      | 0    |") + row(L"| p3              | 0      | 0    |") +
           row(L"| p4              | 0      | 0    |") + row(L"| p5              | 0      | 0    |") +
           row(L"| p6              | 0      | 0    |") + kRule;
}

std::wstring displayOf(const EditorState& state) {
    wchar_t text[kDisplayTextUnits];
    buildDisplayText(state, text);
    return text;
}

TEST_F(EditorTest, FirstStartCreatesTheDefaultFile) {
    ASSERT_TRUE(setupPlayerData(state, port));
    EXPECT_EQ(dataFile(), kDefaultFile);
    EXPECT_EQ(state.player_count, 6);
    EXPECT_EQ(state.team_count, 2);
    for (int i = 0; i < kPlayerSlots; ++i) {
        EXPECT_EQ(std::wstring(state.players[i].name), L"p" + std::to_wstring(i + 1));
        EXPECT_EQ(state.players[i].rating, 0);
        EXPECT_EQ(state.players[i].fmt_group, 0);
    }
    EXPECT_EQ(displayOf(state), defaultDisplay());
    EXPECT_TRUE(port.errors.empty());
}

struct LoadCase {
    std::string from;
    std::string to;
    int32_t players;
    int32_t teams;
    int32_t rating0;
    int32_t fmt0;
    const wchar_t* name0;
};

TEST_F(EditorTest, LoadCorrectsValuesOutOfRangeInMemoryOnly) {
    const LoadCase cases[] = {
        {"player_num {6}", "player_num {1}", 2, 2, 0, 0, L"p1"},
        {"player_num {6} team_num {2}", "player_num {7} team_num {2}", 7, 2, 0, 0, L"p1"},
        {"player_num {6} team_num {2}", "player_num {8} team_num {4}", 8, 4, 0, 0, L"p1"},
        {"player_rating { 0", "player_rating { 1234567", 6, 2, 0, 0, L"p1"},
        {"player_rating { 0", "player_rating { -5", 6, 2, 0, 0, L"p1"},
        {"player_rating { 0", "player_rating { 999999", 6, 2, 999999, 0, L"p1"},
        {"player_fmt_group { 0", "player_fmt_group { 12345", 6, 2, 0, 0, L"p1"},
        {"player_fmt_group { 0", "player_fmt_group { -1", 6, 2, 0, 0, L"p1"},
        {"player_fmt_group { 0", "player_fmt_group { 9999", 6, 2, 0, 9999, L"p1"},
        {"'p1'", "'Abcdefghijklmnopqrst'", 6, 2, 0, 0, L"Abcdefghijklmno"},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.to);
        const std::string content = replacedOnce(kDefaultFile, c.from, c.to);
        startWith(content);
        EXPECT_EQ(state.player_count, c.players);
        EXPECT_EQ(state.team_count, c.teams);
        EXPECT_EQ(state.players[0].rating, c.rating0);
        EXPECT_EQ(state.players[0].fmt_group, c.fmt0);
        EXPECT_EQ(std::wstring(state.players[0].name), c.name0);
        EXPECT_EQ(dataFile(), content);  // the file keeps its values
    }
}

TEST_F(EditorTest, StartFailsWhenTheFileCannotBeMadeOrRead) {
    // A folder where the temporary file would go: the file cannot be made.
    std::filesystem::create_directory("PlayerData.txt.tmp");
    EXPECT_FALSE(setupPlayerData(state, port));
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], L"Creation of PlayerStats.txt, invalid file rights - document may be in operation");
    EXPECT_FALSE(std::filesystem::exists("PlayerData.txt"));

    // A file that does not parse ends the start silently.
    port.errors.clear();
    writeFile("PlayerData.txt", "player_num 6");
    EXPECT_FALSE(setupPlayerData(state, port));
    EXPECT_TRUE(port.errors.empty());
    EXPECT_EQ(dataFile(), "player_num 6");
}

// The randomiser's words: a file that lost a }, counts more players or
// teams than its lists hold, or holds fewer names or ratings than players
// ends the start, with its line in the debug log (which the failure box
// shows) and no box of its own, and stays as it was.
TEST_F(EditorTest, StartFailsOnAFileWithoutAKeyOrWithoutAPlayersValues) {
    const std::string cases[][2] = {
        {replacedOnce(kDefaultFile, "'p8' }", "'p8'"),
         "PlayerData.txt has no player_rating - is a } or a quote missing before it?\n"},
        {replacedOnce(kDefaultFile, "'p6' 'p7' 'p8'", ""), "player_name holds 5 values, fewer than player_num 6\n"},
        {replacedOnce(kDefaultFile, "{ 0 0 0 0 0 0 0 0 } player_fmt", "{ 0 0 0 0 0 } player_fmt"),
         "player_rating holds 5 values, fewer than player_num 6\n"},
        {replacedOnce(kDefaultFile, "player_num {6}", "player_num {9}"),
         "PlayerData player_num must be 1 to 8 - Passed ~ 9\n"},
        {replacedOnce(kDefaultFile, "team_num {2}", "team_num {5}"), "PlayerData team_num must be 1 to 4 - Passed ~ 5\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        std::remove("debug.txt");
        writeFile("PlayerData.txt", c[0]);
        EXPECT_FALSE(setupPlayerData(state, port));
        EXPECT_EQ(debugLogText(), c[1]);
        EXPECT_TRUE(port.errors.empty());
        EXPECT_EQ(dataFile(), c[0]);
    }
}

TEST_F(EditorTest, ResetWritesTheDefaultAndShowsIt) {
    startWith(replacedOnce(kDefaultFile, "player_num {6} team_num {2} player_name { 'p1'",
                           "player_num {8} team_num {4} player_name { 'Alpha'"));
    state.players[2].rating = 1500;
    ASSERT_TRUE(resetPlayerData(state, port));
    EXPECT_EQ(dataFile(), kDefaultFile);
    EXPECT_EQ(state.player_count, 6);
    EXPECT_EQ(state.team_count, 2);
    EXPECT_EQ(std::wstring(state.players[0].name), L"p1");
    EXPECT_EQ(std::wstring(state.players[7].name), L"p8");
    EXPECT_EQ(state.players[2].rating, 0);
    ASSERT_EQ(port.displays.size(), 1u);
    EXPECT_EQ(port.displays[0], defaultDisplay());
}

TEST_F(EditorTest, ResetHoldsWhatAStartOnTheDefaultFileReads) {
    startWith(replacedOnce(kDefaultFile, "player_fmt_group { 0", "player_fmt_group { 12"));
    state.players[5].rating = 1700;
    state.players[7].name[0] = L'X';
    ASSERT_TRUE(resetPlayerData(state, port));
    EditorState started;
    ASSERT_TRUE(setupPlayerData(started, port));
    EXPECT_EQ(state.player_count, started.player_count);
    EXPECT_EQ(state.team_count, started.team_count);
    for (int i = 0; i < kPlayerSlots; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::wstring(state.players[i].name), std::wstring(started.players[i].name));
        EXPECT_EQ(state.players[i].rating, started.players[i].rating);
        EXPECT_EQ(state.players[i].fmt_group, started.players[i].fmt_group);
    }
}

TEST_F(EditorTest, FailedResetKeepsFileAndMemory) {
    const std::string content = replacedOnce(kDefaultFile, "'p1'", "'Alpha'");
    startWith(content);
    std::filesystem::create_directory("PlayerData.txt.tmp");
    EXPECT_FALSE(resetPlayerData(state, port));
    EXPECT_EQ(dataFile(), content);
    EXPECT_EQ(std::wstring(state.players[0].name), L"Alpha");
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], L"Creation of PlayerStats.txt, invalid file rights - document may be in operation");
    EXPECT_TRUE(port.displays.empty());
}

TEST(PadAppendTest, PadsShortFieldsAndKeepsLongOnesWhole) {
    const struct {
        const wchar_t* field;
        size_t width;
        const wchar_t* expected;
    } cases[] = {
        {L"1500", 6, L">1500  "},
        {L"123456", 6, L">123456"},
        {L"", 4, L">    "},
        {L"12345", 4, L">12345"},
    };
    for (const auto& c : cases) {
        std::wstring text = L">";
        padAppend(text, c.field, c.width);
        EXPECT_EQ(text, c.expected);
    }
}

TEST_F(EditorTest, DisplayRowsKeepTheirBarsAligned) {
    startWith(kDefaultFile);
    state.player_count = 2;
    state.players[0].rating = 1500;
    state.players[1].rating = 123456;
    state.players[1].fmt_group = 9999;
    const std::wstring expected = L"Number Of Players ~ 2 | Number Of Teams ~ 2\n\n" + kRule + L"\n" +
                                  row(L"| Player Name     | Rating | FMT  |") +
                                  row(L"| p1              | 1500   | 0    |") +
                                  row(L"| p2              | 123456 | 9999 |") + kRule;
    EXPECT_EQ(displayOf(state), expected);
}

// The display shows what the file holds, also after another program changed
// it, with the mark of an unrated player.
TEST_F(EditorTest, TheDisplayShowsTheFileAsItIsNow) {
    startWith(kDefaultFile);
    writeFile("PlayerData.txt",
              replacedOnce(kDefaultFile, "player_num {6}", "player_num {2}") + " player_unrated { 0 1 0 0 0 0 0 0 }");
    ASSERT_TRUE(loadPlayerDataForStore(state));
    ASSERT_TRUE(storePlayerRating(state, 1, 1500));  // the mark goes with a rating of his own
    ASSERT_TRUE(storeUnratedPlayer(state, 0, 1550));
    refreshDisplay(state, port);
    const std::wstring expected =
        L"Number Of Players ~ 2 | Number Of Teams ~ 2\n\n" + kRule + L"\n" +
        row(L"| Player Name     | Rating | FMT  |") + row(L"| p1              | 1550?  | 0    |") +
        row(L"| p2              | 1500   | 0    |") + kRule + L"\n? unrated: given the lobby's mean";
    EXPECT_EQ(port.displays.back(), expected);
    EXPECT_NE(dataFile().find("player_unrated { 1 0 0"), std::string::npos);
}

// A pin or an apart group in the file adds both columns to the display.
TEST_F(EditorTest, TheDisplayShowsPinsAndApartGroupsWhenTheFileHoldsOne) {
    startWith(replacedOnce(kDefaultFile, "player_num {6}", "player_num {2}") +
              " player_team_pin { 0 2 0 0 0 0 0 0 } player_apart_group { 31 0 0 0 0 0 0 0 }");
    refreshDisplay(state, port);
    const std::wstring expected = L"Number Of Players ~ 2 | Number Of Teams ~ 2\n\n" + kRule + L"\n" +
                                  row(L"| Player Name     | Rating | FMT  | Pin | Apart |") +
                                  row(L"| p1              | 0      | 0    | 0   | 31    |") +
                                  row(L"| p2              | 0      | 0    | 2   | 0     |") + kRule;
    EXPECT_EQ(port.displays.back(), expected);
    // Values beyond the limits read as 0, in memory only.
    writeFile("PlayerData.txt", kDefaultFile + " player_team_pin { 5 1 } player_apart_group { -3 10000 }");
    refreshDisplay(state, port);
    EXPECT_EQ(state.players[0].team_pin, 0);
    EXPECT_EQ(state.players[1].team_pin, 1);
    EXPECT_EQ(state.players[0].apart_group, 0);
    EXPECT_EQ(state.players[1].apart_group, 0);
}

// Results.txt holds a won match of p1 (and one of one team, which rates
// nobody): p1, unrated in the file, is shown as learned, p3 still unrated;
// every player the history knows gets his learned rating beside his own.
TEST_F(EditorTest, TheDisplayNoLongerMarksAPlayerTheResultsRated) {
    startWith(replacedOnce(kDefaultFile, "player_num {6}", "player_num {4}") + " player_unrated { 1 0 1 0 0 0 0 0 }");
    writeFile("Results.txt",
              "2026-03-14 20:00\t11\t1\tp1\t1\t0?\tp2\t2\t0\r\n"
              "2026-03-14 20:30\t12\t1\tp3\t1\t0?\tp4\t1\t0\r\n");
    refreshDisplay(state, port);
    const std::wstring expected =
        L"Number Of Players ~ 4 | Number Of Teams ~ 2\n\n" + kRule + L"\n" +
        row(L"| Player Name     | Rating | Learned              | FMT  |") +
        row(L"| p1              | 0      | \u2192 213 (new tonight)  | 0    |") +
        row(L"| p2              | 0      | \u2192 0 (new tonight)    | 0    |") +
        row(L"| p3              | 0?     | \u2192 0 (new tonight)    | 0    |") +
        row(L"| p4              | 0      | \u2192 0 (new tonight)    | 0    |") + kRule +
        L"\n? unrated: given the lobby's mean\nlearned from 1 match: p1";
    EXPECT_EQ(port.displays.back(), expected);
}

TEST(LearnedRatingText, SaysTheLearnedRatingAndItsChangeTonight) {
    const struct {
        LearnedRating learned;
        const wchar_t* text;
    } cases[] = {
        {{true, 1562, 3, 34, false}, L"\u2192 1562 (+34 tonight)"},
        {{true, 1480, 3, -12, false}, L"\u2192 1480 (-12 tonight)"},
        {{true, 1480, 3, 0, false}, L"\u2192 1480"},  // tonight did not move him
        {{true, 1601, 1, 0, true}, L"\u2192 1601 (new tonight)"},
        {{false, 0, 0, 0, false}, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(learnedRatingText(c.learned), c.text);
}

TEST_F(EditorTest, MemoryTakesAValueOnlyWhenTheFileDid) {
    startWith(kDefaultFile);
    ASSERT_TRUE(loadPlayerDataForStore(state));
    EXPECT_TRUE(storePlayerName(state, 1, L"Zed"));
    EXPECT_EQ(std::wstring(state.players[1].name), L"Zed");

    std::filesystem::create_directory("PlayerData.txt.tmp");
    EXPECT_FALSE(storePlayerName(state, 2, L"Yan"));
    EXPECT_FALSE(storePlayerRating(state, 2, 1600));
    EXPECT_FALSE(storePlayerFmt(state, 2, 3));
    EXPECT_FALSE(storePlayerCount(state, 8));
    EXPECT_FALSE(storeTeamCount(state, 4));
    EXPECT_EQ(std::wstring(state.players[2].name), L"p3");
    EXPECT_EQ(state.players[2].rating, 0);
    EXPECT_EQ(state.players[2].fmt_group, 0);
    EXPECT_EQ(state.player_count, 6);
    EXPECT_EQ(state.team_count, 2);
    EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "'p2'", "'Zed'"));
}

}  // namespace
