#include <filesystem>
#include <string>

#include "common/text_convert.h"
#include "editor/input_entry.h"
#include "editor_fixture.h"

namespace {

const std::wstring kUneven = L" - Player count Required to be\nevenly divisable by teams";
const std::wstring kStoppedAbove = L"Not stored: the entry stopped at the field above";
const std::wstring kUnwritten = L"Not stored: PlayerData.txt did not take it (see debug.txt)";

class InputEntryTest : public EditorTest {
protected:
    EntryOutcome enter(InputMode mode, const std::wstring& field1, const std::wstring& field2,
                       const std::wstring& element = kElementFieldDefault, const std::wstring& pin = L"",
                       const std::wstring& apart = L"") {
        state.input_mode = mode;
        port.displays.clear();
        return enterData(state, port, EntryFields{field1, field2, element, pin, apart});
    }
};

struct CountsCase {
    const char* what;
    int32_t players_before;
    std::wstring field1;
    std::wstring field2;
    std::wstring result1;
    std::wstring result2;
    bool empty1;
    bool empty2;
    int32_t players;  // in the file and in memory afterwards
    int32_t teams;
};

TEST_F(InputEntryTest, CountsMustBeInRangeAndDivideEvenly) {
    const CountsCase cases[] = {
        {"6 and 4", 6, L"6", L"4", L"INVALID ENTRY: 6" + kUneven, L"INVALID ENTRY: 4" + kUneven, true, true, 6, 2},
        {"8 and 4", 6, L"8", L"4", L"Entered: 8 Players", L"Entered: 4 Teams", true, true, 8, 4},
        {"9 players", 6, L"9", L"2", L"INVALID INPUT: 9 - Player min/max - 2/8", kStoppedAbove, true, false, 6, 2},
        {"1 player", 6, L"1", L"", L"INVALID INPUT: 1 - Player min/max - 2/8", L"", true, false, 6, 2},
        {"5 teams", 6, L"6", L"5", L"Not stored: the entry stopped at the field below",
         L"INVALID INPUT: 5 - Team min/max - 2/4", false, true, 6, 2},
        {"3 teams with 6 set", 6, L"", L"3", L"Entered: 6 Players", L"Entered: 3 Teams", true, true, 6, 3},
        {"3 teams with 8 set", 8, L"", L"3", L"INVALID ENTRY: 8" + kUneven, L"INVALID ENTRY: 3" + kUneven, true, true,
         8, 2},
        {"4 players only", 6, L" 4x ", L"", L"Entered: 4 Players", L"Entered: 2 Teams", true, true, 4, 2},
        {"no number", 6, L"-", L"", L"Not stored: '-' is not a number", L"", true, false, 6, 2},
        {"a word", 6, L"six", L"", L"INVALID INPUT: 0 - Player min/max - 2/8", L"", true, false, 6, 2},
    };
    for (const CountsCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string content = kDefaultFile;
        if (c.players_before != 6) content = replacedOnce(content, "{6}", "{" + std::to_string(c.players_before) + "}");
        startWith(content);
        EntryOutcome outcome = enter(InputMode::Counts, c.field1, c.field2);
        EXPECT_EQ(outcome.result1, c.result1);
        EXPECT_EQ(outcome.result2, c.result2);
        EXPECT_EQ(outcome.empty_field1, c.empty1);
        EXPECT_EQ(outcome.empty_field2, c.empty2);
        EXPECT_EQ(state.player_count, c.players);
        EXPECT_EQ(state.team_count, c.teams);
        std::string expected = replacedOnce(kDefaultFile, "{6}", "{" + std::to_string(c.players) + "}");
        expected = replacedOnce(expected, "{2}", "{" + std::to_string(c.teams) + "}");
        EXPECT_EQ(dataFile(), expected);
        EXPECT_EQ(port.displays.size(), 1u);
    }
}

TEST_F(InputEntryTest, CountsConfirmWhatTheFileHolds) {
    // A file that a hand changed to 9 players while the editor runs (a start
    // refuses it) is taken as 2 in memory; entering 2 teams must store those
    // 2 players too, or "Entered: 2 Players" would not be true.
    startWith(kDefaultFile);
    writeFile("PlayerData.txt", replacedOnce(kDefaultFile, "{6}", "{9}"));
    refreshDisplay(state, port);
    EntryOutcome outcome = enter(InputMode::Counts, L"", L"2");
    EXPECT_EQ(outcome.result1, L"Entered: 2 Players");
    EXPECT_EQ(outcome.result2, L"Entered: 2 Teams");
    EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "{6}", "{2}"));

    std::filesystem::create_directory("PlayerData.txt.tmp");  // no file can be written now
    outcome = enter(InputMode::Counts, L"8", L"4");
    EXPECT_EQ(outcome.result1, kUnwritten);
    EXPECT_EQ(outcome.result2, kUnwritten);
    EXPECT_EQ(state.player_count, 2);
    EXPECT_EQ(state.team_count, 2);
    EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "{6}", "{2}"));
}

TEST_F(InputEntryTest, ElementFieldTargetsOnePlayerOrTheNextInSequence) {
    startWith(kDefaultFile);
    state.name_index = 4;
    state.rating_index = 5;

    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Third", L"1550", L"3");
    EXPECT_EQ(std::wstring(state.players[2].name), L"Third");
    EXPECT_EQ(state.players[2].rating, 1550);
    EXPECT_EQ(outcome.result1, L"Entered: Third (player 3)");
    EXPECT_EQ(outcome.result2, L"Entered: 1550 (player 3)");
    EXPECT_TRUE(outcome.empty_field1 && outcome.empty_field2);
    EXPECT_EQ(state.name_index, 4);
    EXPECT_EQ(state.rating_index, 5);

    enter(InputMode::NameAndRating, L"First", L"", L" 1 ");
    EXPECT_EQ(std::wstring(state.players[0].name), L"First");

    // -1 and an empty field mean the next player in sequence.
    outcome = enter(InputMode::NameAndRating, L"Next", L"", L"-1");
    EXPECT_EQ(outcome.result1, L"Entered: Next (player 5)");
    outcome = enter(InputMode::NameAndRating, L"Then", L"", L"");
    EXPECT_EQ(outcome.result1, L"Entered: Then (player 6)");
    EXPECT_EQ(state.name_index, 6);
    // Named without a rating, each was given the mean of the ratings in play
    // and marked unrated; the rating index passed them.
    EXPECT_EQ(outcome.result2, L"Unrated, given the mean 1550 (player 6)");
    EXPECT_EQ(state.rating_index, 6);
    std::string expected =
        replacedOnce(kDefaultFile, "'p1' 'p2' 'p3' 'p4' 'p5' 'p6'", "'First' 'p2' 'Third' 'p4' 'Next' 'Then'");
    expected = replacedOnce(expected, "player_rating { 0 0 0 0 0 0", "player_rating { 1550 0 1550 0 1550 1550");
    EXPECT_EQ(dataFile(), expected + " player_unrated { 1 0 0 0 1 1 0 0 }");
}

// Names entered without a rating: the one the history knows gets his
// learned rating as his own, the one it does not the mean, marked unrated.
TEST_F(InputEntryTest, ANameTheHistoryKnowsGetsItsLearnedRating) {
    startWith(replacedOnce(kDefaultFile, "player_rating { 0 0", "player_rating { 1500 1500"));
    state.input_mode = InputMode::NameAndRating;
    state.name_index = 2;
    state.rating_index = 2;
    const std::string history = "2026-03-14 20:00\t1\t1\tKestrel\t1\t1700\tBo\t2\t1800\r\n";
    const EntryOutcome outcome = enterData(state, port, EntryFields{L"Kestrel Mo", L"", L"", L"", L""}, history);
    EXPECT_EQ(outcome.result2, L"From the history: 1789 (player 3)\nUnrated, given the mean 1500 (player 4)");
    EXPECT_EQ(state.players[2].rating, 1789);
    EXPECT_FALSE(state.players[2].unrated);
    EXPECT_EQ(state.players[3].rating, 1500);
    EXPECT_TRUE(state.players[3].unrated);
}

TEST_F(InputEntryTest, ElementOutsideThePlayersInPlayIsRefused) {
    startWith(kDefaultFile);
    state.name_index = 6;  // "next" would be the hidden player 7
    const wchar_t* refused[] = {L"0", L"7", L"9", L"abc", L"3x", L"-2", L"99999999999"};
    for (const wchar_t* element : refused) {
        SCOPED_TRACE(toUtf8(element));
        EntryOutcome outcome = enter(InputMode::NameAndRating, L"Ghost", L"1500", element);
        const std::wstring message =
            L"Not stored: element '" + std::wstring(element) + L"' is not a player: 1 to 6, or -1 for the next";
        EXPECT_EQ(outcome.result1, message);
        EXPECT_EQ(outcome.result2, message);
        EXPECT_FALSE(outcome.empty_field1 || outcome.empty_field2);
        EXPECT_EQ(state.name_index, 6);
        EXPECT_EQ(state.rating_index, 0);
        EXPECT_EQ(dataFile(), kDefaultFile);
    }
    // The same in the FMT mode; an empty field keeps an empty label.
    EntryOutcome outcome = enter(InputMode::Fmt, L"3", L"", L"9");
    EXPECT_EQ(outcome.result1, L"Not stored: element '9' is not a player: 1 to 6, or -1 for the next");
    EXPECT_EQ(outcome.result2, L"");
    EXPECT_EQ(dataFile(), kDefaultFile);
}

struct RatingCase {
    const wchar_t* typed;
    int32_t stored;  // -1: refused
};

TEST_F(InputEntryTest, RatingsAreNumbersOrWords) {
    const RatingCase cases[] = {
        {L"Expert", 1750}, {L"xp", 1750},    {L"NOOB", 1300}, {L"nb", 1300},      {L"Rook", 1450},
        {L"rk", 1450},     {L"inter", 1600}, {L"nt", 1600},   {L"extreme", 1900}, {L"XT", 1900},
        {L"17", 1700},     {L"99", 9900},    {L"0", 0},       {L"100", 100},      {L"12345", 12345},
        {L"0017", 1700},   {L"123456", -1},  {L"pro", -1},    {L"100abc", -1},    {L"abc", -1},
    };
    for (const RatingCase& c : cases) {
        SCOPED_TRACE(toUtf8(c.typed));
        startWith(kDefaultFile);
        EntryOutcome outcome = enter(InputMode::NameAndRating, L"", c.typed, L"1");
        EXPECT_EQ(outcome.result1, L"");
        EXPECT_EQ(port.displays.size(), 1u);
        if (c.stored >= 0) {
            EXPECT_EQ(state.players[0].rating, c.stored);
            EXPECT_EQ(dataFile(),
                      replacedOnce(kDefaultFile, "player_rating { 0", "player_rating { " + std::to_string(c.stored)));
            // The label shows the rating as the file holds it, not as typed.
            EXPECT_EQ(outcome.result2, L"Entered: " + std::to_wstring(c.stored) + L" (player 1)");
            EXPECT_TRUE(outcome.empty_field2);
        } else {
            EXPECT_EQ(dataFile(), kDefaultFile);
            EXPECT_EQ(outcome.result2, L"Not stored: '" + std::wstring(c.typed) +
                                           L"' is not a rating: a number of up to 5 digits, or a rating word");
            EXPECT_FALSE(outcome.empty_field2);
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
    EXPECT_EQ(state.name_index, 2);
    EXPECT_EQ(outcome.result1,
              L"Entered: Ann (player 1), Bob (player 2)\n"
              L"Not stored: 'ABCDEFGHIJKLMNOP' is longer than 15 characters");
    EXPECT_EQ(outcome.result2, kStoppedAbove);
    EXPECT_FALSE(outcome.empty_field1 || outcome.empty_field2);
    EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "'p1' 'p2'", "'Ann' 'Bob'"));
    EXPECT_EQ(port.displays.size(), 1u);  // the display shows Ann and Bob
}

TEST_F(InputEntryTest, OnePlayerTakesOneNameAndTheLabelSaysWhichWasKept) {
    // A name with a blank is two tokens: the first goes to player 2, the
    // second would replace it and is refused.
    startWith(kDefaultFile);
    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Jose Luis", L"1850", L"2");
    EXPECT_EQ(outcome.result1, L"Entered: Jose (player 2)\nNot stored: 'Luis': player 2 takes one name");
    EXPECT_EQ(outcome.result2, kStoppedAbove);
    EXPECT_FALSE(outcome.empty_field1);
    EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "'p2'", "'Jose'"));

    // In the FMT mode both fields go to the target: the second is refused.
    outcome = enter(InputMode::Fmt, L"3", L"4", L"2");
    EXPECT_EQ(outcome.result1, L"Entered: 3 (player 2)");
    EXPECT_EQ(outcome.result2, L"Not stored: '4': player 2 takes one FMT group");
    EXPECT_EQ(state.players[1].fmt_group, 3);
}

TEST_F(InputEntryTest, TokenThatKeepsNothingEndsTheFieldWithItsPlace) {
    startWith(kDefaultFile);
    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Ann - Bob", L"1500");
    EXPECT_EQ(outcome.result1, L"Entered: Ann (player 1)\nNot stored: stopped at '-'");
    EXPECT_FALSE(outcome.empty_field1);
    EXPECT_EQ(outcome.result2, L"Entered: 1500 (player 1)");  // field 2 goes on
    EXPECT_TRUE(outcome.empty_field2);
    EXPECT_EQ(std::wstring(state.players[1].name), L"p2");

    // A field of blanks stores nothing and says nothing.
    outcome = enter(InputMode::NameAndRating, L"  ", L"");
    EXPECT_EQ(outcome.result1, L"");
    EXPECT_TRUE(outcome.empty_field1);
}

TEST_F(InputEntryTest, ValuesTheFileDoesNotTakeAreNotConfirmed) {
    startWith(kDefaultFile);
    state.name_index = 8;
    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Ninth", L"");
    EXPECT_EQ(outcome.result1, L"Not stored: all 8 players are filled; Ctrl+8 starts again at player 1");
    EXPECT_EQ(dataFile(), kDefaultFile);

    std::filesystem::create_directory("PlayerData.txt.tmp");
    outcome = enter(InputMode::NameAndRating, L"Ann", L"1500", L"1");
    EXPECT_EQ(outcome.result1, kUnwritten);
    EXPECT_EQ(outcome.result2, kStoppedAbove);
    EXPECT_EQ(std::wstring(state.players[0].name), L"p1");
    EXPECT_EQ(dataFile(), kDefaultFile);
}

TEST_F(InputEntryTest, NamesAreStoredAsTypedInEveryScript) {
    startWith(kDefaultFile);
    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Jos\u00E9 \u674E\u96F7", L"15", L"-1");
    EXPECT_EQ(std::wstring(state.players[0].name), L"Jos\u00E9");
    EXPECT_EQ(std::wstring(state.players[1].name), L"\u674E\u96F7");
    EXPECT_EQ(dataFile(),
              replacedOnce(replacedOnce(kDefaultFile, "'p1' 'p2'", "'Jos\xC3\xA9' '\xE6\x9D\x8E\xE9\x9B\xB7'"),
                           "player_rating { 0", "player_rating { 1500"));
    EXPECT_EQ(outcome.result1, L"Entered: Jos\u00E9 (player 1), \u674E\u96F7 (player 2)");
    // Fifteen characters are a name, sixteen end the entry.
    const std::wstring fifteen(15, L'\u00FC');
    outcome = enter(InputMode::NameAndRating, fifteen + L" " + fifteen + L"\u00FC", L"", L"-1");
    EXPECT_EQ(std::wstring(state.players[2].name), fifteen);
    EXPECT_EQ(outcome.result1, L"Entered: " + fifteen + L" (player 3)\nNot stored: '" + fifteen +
                                   L"\u00FC' is longer than 15 characters");
}

TEST_F(InputEntryTest, FmtGroupsGoWhereTheFmtIndexPoints) {
    startWith(kDefaultFile);
    state.fmt_index = 2;
    EntryOutcome outcome = enter(InputMode::Fmt, L"12", L"x7");
    EXPECT_EQ(state.players[2].fmt_group, 12);
    EXPECT_EQ(state.players[3].fmt_group, 0);  // a token that begins with a letter is 0
    EXPECT_EQ(state.fmt_index, 4);
    EXPECT_EQ(outcome.result1, L"Entered: 12 (player 3)");
    EXPECT_EQ(outcome.result2, L"Entered: 0 (player 4)");
    EXPECT_EQ(dataFile(), replacedOnce(kDefaultFile, "player_fmt_group { 0 0 0", "player_fmt_group { 0 0 12"));

    outcome = enter(InputMode::Fmt, L"1234", L"5");
    EXPECT_EQ(state.fmt_index, 4);
    EXPECT_EQ(state.players[4].fmt_group, 0);
    EXPECT_EQ(outcome.result1, L"Not stored: '1234' is longer than 3 characters");
    EXPECT_EQ(outcome.result2, kStoppedAbove);
}

// The FMT mode's pin and apart fields: their lists join the file the first
// time a player gets a value other than 0, and their limits are said.
TEST_F(InputEntryTest, PinsAndApartGroupsJoinTheFileWithinTheirLimits) {
    struct HostRuleCase {
        const wchar_t* fmt;
        const wchar_t* pin;
        const wchar_t* apart;
        const wchar_t* element;
        const wchar_t* result_pin;
        const wchar_t* result_apart;
        const char* file_end;  // what the file ends with after the entry
    };
    const HostRuleCase cases[] = {
        // 0 for nobody adds no list.
        {L"", L"0", L"", L"1", L"Entered: 0 (player 1)", L"", "player_fmt_group { 0 0 0 0 0 0 0 0 }"},
        {L"", L"2", L"7", L"3", L"Entered: 2 (player 3)", L"Entered: 7 (player 3)",
         "player_fmt_group { 0 0 0 0 0 0 0 0 } player_team_pin { 0 0 2 0 0 0 0 0 } "
         "player_apart_group { 0 0 7 0 0 0 0 0 }"},
        {L"", L"5", L"7", L"2", L"Not stored: '5' is not a team pin: 0 for none, or team 1 to 4",
         L"Not stored: the entry stopped at the field above", "player_apart_group { 0 0 7 0 0 0 0 0 }"},
        {L"", L"1 3", L"12345", L"-1", L"Entered: 1 (player 1), 3 (player 2)",
         L"Not stored: '12345' is not an apart group: 0 for none, or a number of up to 4 digits",
         "player_team_pin { 1 3 2 0 0 0 0 0 } player_apart_group { 0 0 7 0 0 0 0 0 }"},
        // An FMT group that is not stored stops the fields below.
        {L"1234", L"4", L"", L"4", L"Not stored: the entry stopped at the field above", L"",
         "player_team_pin { 1 3 2 0 0 0 0 0 } player_apart_group { 0 0 7 0 0 0 0 0 }"},
    };
    startWith(kDefaultFile);
    for (const HostRuleCase& c : cases) {
        const EntryOutcome outcome = enter(InputMode::Fmt, c.fmt, L"", c.element, c.pin, c.apart);
        SCOPED_TRACE(toUtf8(c.pin));
        EXPECT_EQ(outcome.result_pin, c.result_pin);
        EXPECT_EQ(outcome.result_apart, c.result_apart);
        const std::string file = dataFile();
        EXPECT_EQ(file.substr(file.size() - std::string(c.file_end).size()), c.file_end);
    }
    EXPECT_EQ(state.players[2].team_pin, 2);
    EXPECT_EQ(state.players[2].apart_group, 7);
    EXPECT_EQ(labelsForMode(InputMode::Fmt).pin, std::wstring(L"Team pin (0 none):"));
    EXPECT_EQ(labelsForMode(InputMode::NameAndRating).apart, nullptr);
}

TEST_F(InputEntryTest, NothingIsStoredWhenTheFileCannotBeLoaded) {
    startWith(kDefaultFile);
    writeFile("PlayerData.txt", "player_num");
    EntryOutcome outcome = enter(InputMode::NameAndRating, L"Ann", L"1500");
    const std::wstring unreadable = L"Not stored: PlayerData.txt could not be read (see debug.txt)";
    EXPECT_EQ(outcome.result1, unreadable);
    EXPECT_EQ(outcome.result2, unreadable);
    EXPECT_FALSE(outcome.empty_field1 || outcome.empty_field2);
    EXPECT_EQ(std::wstring(state.players[0].name), L"p1");
    EXPECT_EQ(state.name_index, 0);
    EXPECT_TRUE(port.displays.empty());
}

}  // namespace
