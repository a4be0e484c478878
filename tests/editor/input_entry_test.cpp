#include <optional>
#include <string>

#include "common/text_convert.h"
#include "editor/input_entry.h"
#include "editor_fixture.h"

namespace {

const std::wstring kUneven = L" - Player count Required to be\nevenly divisable by teams";

class InputEntryTest : public EditorTest {
protected:
    EntryOutcome enter(InputMode mode, const std::wstring& field1, const std::wstring& field2,
                       const std::wstring& element = kElementFieldDefault) {
        state.inputMode = mode;
        shell.displays.clear();
        return enterData(state, shell, EntryFields{field1, field2, element});
    }
};

struct CountsCase {
    const char* what;
    int32_t playersBefore;
    std::wstring field1;
    std::wstring field2;
    std::optional<std::wstring> result1;
    std::optional<std::wstring> result2;
    bool empty1;
    bool empty2;
    int32_t players;  // in the file and in memory afterwards
    int32_t teams;
    bool refreshed;
};

TEST_F(InputEntryTest, CountsMustBeInRangeAndDivideEvenly) {
    const CountsCase cases[] = {
        {"6 and 4", 6, L"6", L"4", L"INVALID ENTRY: 6" + kUneven, L"INVALID ENTRY: 4" + kUneven, true, true, 6, 2,
         true},
        {"8 and 4", 6, L"8", L"4", L"Entered: 8 Players", L"Entered: 4 Teams", true, true, 8, 4, true},
        {"9 players", 6, L"9", L"2", L"INVALID INPUT: 9 - Player min/max - 2/8", std::nullopt, true, false, 6, 2,
         false},
        {"1 player", 6, L"1", L"", L"INVALID INPUT: 1 - Player min/max - 2/8", std::nullopt, true, false, 6, 2,
         false},
        {"5 teams", 6, L"6", L"5", std::nullopt, L"INVALID INPUT: 5 - Team min/max - 2/4", false, true, 6, 2, false},
        {"3 teams with 6 set", 6, L"", L"3", L"Entered: 6 Players", L"Entered: 3 Teams", true, true, 6, 3, true},
        {"3 teams with 8 set", 8, L"", L"3", L"INVALID ENTRY: 8" + kUneven, L"INVALID ENTRY: 3" + kUneven, true,
         true, 8, 2, true},
        {"4 players only", 6, L" 4x ", L"", L"Entered: 4 Players", L"Entered: 2 Teams", true, true, 4, 2, true},
        {"no token", 6, L"-", L"", L"Entered: -", std::nullopt, true, false, 6, 2, true},
        {"a word", 6, L"six", L"", L"INVALID INPUT: 0 - Player min/max - 2/8", std::nullopt, true, false, 6, 2,
         false},
    };
    for (const CountsCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string content = kDefaultFile;
        if (c.playersBefore != 6) content = replacedOnce(content, "{6}", "{" + std::to_string(c.playersBefore) + "}");
        startWith(content);
        EntryOutcome outcome = enter(InputMode::Counts, c.field1, c.field2);
        EXPECT_EQ(outcome.result1, c.result1);
        EXPECT_EQ(outcome.result2, c.result2);
        EXPECT_EQ(outcome.emptyField1, c.empty1);
        EXPECT_EQ(outcome.emptyField2, c.empty2);
        EXPECT_EQ(state.playerCount, c.players);
        EXPECT_EQ(state.teamCount, c.teams);
        std::string expected = replacedOnce(kDefaultFile, "{6}", "{" + std::to_string(c.players) + "}");
        expected = replacedOnce(expected, "{2}", "{" + std::to_string(c.teams) + "}");
        EXPECT_EQ(dataFile(), expected);
        EXPECT_EQ(shell.displays.size(), c.refreshed ? 1u : 0u);
    }
}

TEST_F(InputEntryTest, ElementFieldTargetsOnePlayerOrTheNextInSequence) {
    startWith(kDefaultFile);
    state.nameIndex = 4;
    state.ratingIndex = 5;

    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Third", L"1550", L"3");
    EXPECT_EQ(std::wstring(state.players[2].name), L"Third");
    EXPECT_EQ(state.players[2].rating, 1550);
    EXPECT_EQ(outcome.result1, std::optional<std::wstring>(L"Entered: Third"));
    EXPECT_EQ(outcome.result2, std::optional<std::wstring>(L"Entered: 1550"));
    EXPECT_TRUE(outcome.emptyField1 && outcome.emptyField2);
    EXPECT_EQ(state.nameIndex, 4);
    EXPECT_EQ(state.ratingIndex, 5);

    enter(InputMode::NameAndRating, L"First", L"", L"1");
    EXPECT_EQ(std::wstring(state.players[0].name), L"First");

    // -1, 0, a number past the players in play and text all mean "next".
    const wchar_t* nextElements[] = {L"-1", L"0", L"7", L"abc"};
    int expectedName = 4;
    for (const wchar_t* element : nextElements) {
        SCOPED_TRACE(toUtf8(element));
        enter(InputMode::NameAndRating, L"Next", L"", element);
        EXPECT_EQ(std::wstring(state.players[expectedName].name), L"Next");
        EXPECT_EQ(state.nameIndex, ++expectedName);
    }
    EXPECT_EQ(state.ratingIndex, 5);
    std::string expected = replacedOnce(kDefaultFile, "'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8'",
                                        "'First' 'p2' 'Third' 'p4' 'Next' 'Next' 'Next' 'Next'");
    EXPECT_EQ(dataFile(), replacedOnce(expected, "player_rating { 0 0 0", "player_rating { 0 0 1550"));
}

struct RatingCase {
    const wchar_t* typed;
    int32_t stored;  // -1: refused, the entry ends silently
};

TEST_F(InputEntryTest, RatingsAreNumbersOrWords) {
    const RatingCase cases[] = {
        {L"Expert", 1750}, {L"xp", 1750}, {L"NOOB", 1300}, {L"nb", 1300}, {L"Rook", 1450}, {L"rk", 1450},
        {L"inter", 1600}, {L"nt", 1600}, {L"extreme", 1900}, {L"XT", 1900}, {L"17", 1700}, {L"99", 9900},
        {L"0", 0}, {L"100", 100}, {L"12345", 12345}, {L"0017", 1700}, {L"123456", -1}, {L"pro", -1},
        {L"100abc", -1},
    };
    for (const RatingCase& c : cases) {
        SCOPED_TRACE(toUtf8(c.typed));
        startWith(kDefaultFile);
        state.players[0].rating = -7;  // so that a store of 0 shows
        EntryOutcome outcome = enter(InputMode::NameAndRating, L"", c.typed, L"1");
        if (c.stored >= 0) {
            EXPECT_EQ(state.players[0].rating, c.stored);
            EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "player_rating { 0",
                                               "player_rating { " + std::to_string(c.stored)));
            EXPECT_EQ(outcome.result2, std::optional<std::wstring>(L"Entered: " + std::wstring(c.typed)));
            EXPECT_EQ(shell.displays.size(), 1u);
        } else {
            EXPECT_EQ(state.players[0].rating, -7);
            EXPECT_EQ(dataFile(), kDefaultFile);
            EXPECT_FALSE(outcome.result2.has_value());
            EXPECT_FALSE(outcome.emptyField2);
            EXPECT_TRUE(shell.displays.empty());
        }
    }
}

TEST_F(InputEntryTest, LongNameEndsTheEntryAndKeepsWhatWasStored) {
    startWith(kDefaultFile);
    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Ann Bob ABCDEFGHIJKLMNOP Cid", L"1500");
    EXPECT_EQ(std::wstring(state.players[0].name), L"Ann");
    EXPECT_EQ(std::wstring(state.players[1].name), L"Bob");
    EXPECT_EQ(std::wstring(state.players[2].name), L"p3");
    EXPECT_EQ(state.players[0].rating, 0);  // field 2 is never reached
    EXPECT_EQ(state.nameIndex, 2);
    EXPECT_FALSE(outcome.result1 || outcome.result2 || outcome.emptyField1 || outcome.emptyField2);
    EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "'p1' 'p2'", "'Ann' 'Bob'"));
}

TEST_F(InputEntryTest, NamesAreStoredAsTypedInEveryScript) {
    startWith(kDefaultFile);
    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Jos\u00E9 \u674E\u96F7", L"15", L"-1");
    EXPECT_EQ(std::wstring(state.players[0].name), L"Jos\u00E9");
    EXPECT_EQ(std::wstring(state.players[1].name), L"\u674E\u96F7");
    EXPECT_EQ(dataFile(), replacedOnce(replacedOnce(kDefaultFile, "'p1' 'p2'", "'Jos\xC3\xA9' '\xE6\x9D\x8E\xE9\x9B\xB7'"),
                                       "player_rating { 0", "player_rating { 1500"));
    // Fifteen characters are a name, sixteen end the entry.
    const std::wstring fifteen(15, L'\u00FC');
    outcome = enter(InputMode::NameAndRating, fifteen + L" " + fifteen + L"\u00FC", L"", L"3");
    EXPECT_EQ(std::wstring(state.players[2].name), fifteen);
    EXPECT_FALSE(outcome.result1.has_value());
}

TEST_F(InputEntryTest, FmtGroupsGoWhereTheFmtIndexPoints) {
    startWith(kDefaultFile);
    state.fmtIndex = 2;
    EntryOutcome outcome = enter(InputMode::Fmt, L"12", L"x7");
    EXPECT_EQ(state.players[2].fmtGroup, 12);
    EXPECT_EQ(state.players[3].fmtGroup, 0);  // a token that begins with a letter is 0
    EXPECT_EQ(state.fmtIndex, 4);
    EXPECT_EQ(outcome.result1, std::optional<std::wstring>(L"Entered: 12"));
    EXPECT_EQ(outcome.result2, std::optional<std::wstring>(L"Entered: x7"));
    EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "player_fmt_group { 0 0 0", "player_fmt_group { 0 0 12"));

    outcome = enter(InputMode::Fmt, L"1234", L"5");
    EXPECT_EQ(state.fmtIndex, 4);
    EXPECT_EQ(state.players[4].fmtGroup, 0);
    EXPECT_FALSE(outcome.result1 || outcome.result2);
    EXPECT_TRUE(shell.displays.empty());
}

TEST_F(InputEntryTest, NothingHappensWhenTheFileCannotBeLoaded) {
    startWith(kDefaultFile);
    writeFile("PlayerData.txt", "player_num");
    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Ann", L"1500");
    EXPECT_FALSE(outcome.result1 || outcome.result2 || outcome.emptyField1 || outcome.emptyField2);
    EXPECT_EQ(std::wstring(state.players[0].name), L"p1");
    EXPECT_EQ(state.nameIndex, 0);
    EXPECT_TRUE(shell.displays.empty());
}

}  // namespace
