#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "common/text_convert.h"
#include "editor/clipboard_capture.h"
#include "editor_fixture.h"

namespace {

struct TokenCase {
    std::wstring text;
    std::vector<std::pair<std::wstring, TokenKind>> tokens;  // every token up to the first that keeps nothing
};

// A wide string of a UTF-8 literal, as the files give it.
std::wstring wide(const char* utf8) { return readFileText(utf8); }

TEST(ClipboardTokenTest, KeepsLettersAndDigitsAndSkipsMarkup) {
    const TokenCase cases[] = {
        {L"Name123 1650", {{L"Name123", TokenKind::Name}, {L"1650", TokenKind::Rating}}},
        {L"<b>Gamma</b> 1650", {{L"Gamma", TokenKind::Name}, {L"1650", TokenKind::Rating}}},
        {L"Delta - 1500", {{L"Delta", TokenKind::Name}}},
        {L"12ab ab12 _", {{L"12ab", TokenKind::Name}, {L"ab12", TokenKind::Name}, {L"_", TokenKind::Name}}},
        {L" \t\n\v\r 42\r\n", {{L"42", TokenKind::Rating}}},
        {L"<a href=\"x y\">Z</a>", {{L"Z", TokenKind::Name}}},
        {L"<unclosed tag 7", {}},
        {L"", {}},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(toUtf8(c.text));
        size_t position = 0;
        std::wstring token;
        TokenKind kind = TokenKind::Rating;
        for (const auto& expected : c.tokens) {
            ASSERT_TRUE(nextClipboardToken(c.text.c_str(), position, token, kind));
            EXPECT_EQ(token, expected.first);
            EXPECT_EQ(kind, expected.second);
        }
        EXPECT_FALSE(nextClipboardToken(c.text.c_str(), position, token, kind));
        EXPECT_EQ(kind, TokenKind::None);
    }
}

TEST(ClipboardTokenTest, KeepsTheLettersOfEveryScriptAndDropsAsciiPunctuation) {
    const TokenCase cases[] = {
        {wide("Jos\xC3\xA9 1500 \xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 1420 \xE6\x9D\x8E\xE9\x9B\xB7 1600"),
         {{wide("Jos\xC3\xA9"), TokenKind::Name},
          {L"1500", TokenKind::Rating},
          {wide("\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4"), TokenKind::Name},
          {L"1420", TokenKind::Rating},
          {wide("\xE6\x9D\x8E\xE9\x9B\xB7"), TokenKind::Name},
          {L"1600", TokenKind::Rating}}},
        {wide("Jos\xC3\xA9-Mar\xC3\xAD"
              "a O'Neil"),
         {{wide("Jos\xC3\xA9Mar\xC3\xAD"
                "a"),
           TokenKind::Name},
          {L"ONeil", TokenKind::Name}}},
        // A character beyond U+FFFF is kept whole, and makes the token a name.
        {wide("\xF0\x9F\x98\x80"
              "7 M\xC3\xBCller"),
         {{wide("\xF0\x9F\x98\x80"
                "7"),
           TokenKind::Name},
          {wide("M\xC3\xBCller"), TokenKind::Name}}},
        // The blanks beyond ASCII separate tokens: no-break and ideographic space.
        {wide("Zo\xC3\xAB\xC2\xA0"
              "1700\xE3\x80\x80"
              "Bo"),
         {{wide("Zo\xC3\xAB"), TokenKind::Name}, {L"1700", TokenKind::Rating}, {L"Bo", TokenKind::Name}}},
        {wide("\xC2\xA0\xE2\x80\x83"), {}},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(toUtf8(c.text));
        size_t position = 0;
        std::wstring token;
        TokenKind kind = TokenKind::None;
        for (const auto& expected : c.tokens) {
            ASSERT_TRUE(nextClipboardToken(c.text.c_str(), position, token, kind));
            EXPECT_EQ(token, expected.first);
            EXPECT_EQ(kind, expected.second);
        }
        EXPECT_FALSE(nextClipboardToken(c.text.c_str(), position, token, kind));
    }
}

class CaptureTest : public EditorTest {
protected:
    void SetUp() override { startWith(kDefaultFile); }
};

TEST_F(CaptureTest, SuccessiveCapturesFillTheNextPlayers) {
    captureClipboard(state, port, L"Alpha 1500");
    captureClipboard(state, port, L"Beta\r\n1600");
    std::string expected = replacedOnce(kDefaultFile, "'p1' 'p2'", "'Alpha' 'Beta'");
    expected = replacedOnce(expected, "player_rating { 0 0", "player_rating { 1500 1600");
    EXPECT_EQ(dataFile(), expected);
    EXPECT_EQ(std::wstring(state.players[0].name), L"Alpha");
    EXPECT_EQ(state.players[0].rating, 1500);
    EXPECT_EQ(std::wstring(state.players[1].name), L"Beta");
    EXPECT_EQ(state.players[1].rating, 1600);
    EXPECT_EQ(state.name_index, 2);
    EXPECT_EQ(state.rating_index, 2);
    // One refresh after every token, each showing the data as it was then.
    ASSERT_EQ(port.displays.size(), 4u);
    EXPECT_NE(port.displays[0].find(L"| Alpha           | 0      |"), std::wstring::npos);
    EXPECT_NE(port.displays[3].find(L"| Beta            | 1600   |"), std::wstring::npos);
    // A note after every capture says what it took.
    EXPECT_EQ(port.notes, std::vector<std::wstring>(2, L"Taken: 1 name and 1 rating"));
}

TEST_F(CaptureTest, NamesAndRatingsCountOnSeparately) {
    captureClipboard(state, port, L"1700");
    captureClipboard(state, port, L"Solo");
    EXPECT_EQ(state.players[0].rating, 1700);
    EXPECT_EQ(std::wstring(state.players[0].name), L"Solo");
    EXPECT_EQ(state.name_index, 1);
    EXPECT_EQ(state.rating_index, 1);
}

TEST_F(CaptureTest, TokensThatAreTooLongArePassedOver) {
    captureClipboard(state, port, L"<b>Gamma</b> ABCDEFGHIJKLMNOP 123456 1650 Fifteen_chars_x");
    EXPECT_EQ(std::wstring(state.players[0].name), L"Gamma");
    EXPECT_EQ(std::wstring(state.players[1].name), L"Fifteen_chars_x");
    EXPECT_EQ(state.players[0].rating, 1650);
    EXPECT_EQ(state.name_index, 2);
    EXPECT_EQ(state.rating_index, 1);
    EXPECT_EQ(port.displays.size(), 5u);
    EXPECT_EQ(port.notes, std::vector<std::wstring>{L"Taken: 2 names and 1 rating\npassed over 2: names of more "
                                                    L"than 15 characters, ratings of more than 5 digits"});
}

TEST_F(CaptureTest, NamesOfEveryScriptAreStoredWholeInUtf8) {
    captureClipboard(state, port,
                     wide("Jos\xC3\xA9 1500 \xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 1420 \xE6\x9D\x8E\xE9\x9B\xB7 1600 "
                          "Zo\xC3\xAB 1700")
                         .c_str());
    std::string expected =
        replacedOnce(kDefaultFile, "'p1' 'p2' 'p3' 'p4'",
                     "'Jos\xC3\xA9' '\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4' '\xE6\x9D\x8E\xE9\x9B\xB7' 'Zo\xC3\xAB'");
    expected = replacedOnce(expected, "player_rating { 0 0 0 0", "player_rating { 1500 1420 1600 1700");
    EXPECT_EQ(dataFile(), expected);
    EXPECT_EQ(std::wstring(state.players[1].name), wide("\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4"));
    EXPECT_EQ(std::wstring(state.players[2].name), wide("\xE6\x9D\x8E\xE9\x9B\xB7"));
    EXPECT_EQ(state.name_index, 4);
    EXPECT_EQ(state.rating_index, 4);
    // The live display pads by characters: the bars line up.
    EXPECT_NE(port.displays.back().find(wide("| \xE6\x9D\x8E\xE9\x9B\xB7              | 1600   |")),
              std::wstring::npos);
}

TEST_F(CaptureTest, TheNameLimitCountsCharactersNotUnits) {
    // 15 characters beyond U+FFFF are a name (30 units where wchar_t has 16
    // bits, 60 bytes in the file); 16 are too long and passed over.
    std::string fifteen;
    for (int i = 0; i < 15; ++i) fifteen += "\xF0\x9F\x98\x80";
    const std::wstring text = wide((fifteen + " " + fifteen + "\xC3\xA9 Next").c_str());
    captureClipboard(state, port, text.c_str());
    EXPECT_EQ(std::wstring(state.players[0].name), wide(fifteen.c_str()));
    EXPECT_EQ(std::wstring(state.players[1].name), L"Next");
    EXPECT_NE(dataFile().find("'" + fifteen + "' 'Next'"), std::string::npos);
}

TEST_F(CaptureTest, ALatin1FileBecomesUtf8BeforeANameBeyondAsciiIsStored) {
    // A file written byte by byte (here "M\xFCller") stays readable: it is
    // rewritten in UTF-8 before the new name joins it.
    startWith(replacedOnce(kDefaultFile, "'p1'", "'M\xFCller'"));
    EXPECT_EQ(std::wstring(state.players[0].name), L"M\u00FCller");
    state.name_index = 1;
    captureClipboard(state, port, L"Bob");  // ASCII: the file is left as it is
    EXPECT_NE(dataFile().find("'M\xFCller' 'Bob'"), std::string::npos);
    captureClipboard(state, port, wide("\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4").c_str());
    std::string expected =
        replacedOnce(kDefaultFile, "'p1' 'p2' 'p3'", "'M\xC3\xBCller' 'Bob' '\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4'");
    EXPECT_EQ(dataFile(), expected);
    EXPECT_EQ(std::wstring(state.players[0].name), L"M\u00FCller");
}

TEST_F(CaptureTest, ASlotThatTakesANameLosesItsFriendGroup) {
    startWith(replacedOnce(kDefaultFile, "player_fmt_group { 0 0 0", "player_fmt_group { 3 3 3"));
    // Player 1 takes a name and a rating, player 2 only a rating: its group stays.
    captureClipboard(state, port, L"Kite 1500 1600");
    EXPECT_NE(dataFile().find("player_fmt_group { 0 3 3 0"), std::string::npos) << dataFile();
    EXPECT_EQ(state.players[0].fmt_group, 0);
    EXPECT_EQ(state.players[1].fmt_group, 3);
    EXPECT_EQ(port.notes, std::vector<std::wstring>{L"Taken: 1 name and 2 ratings\nfriend groups cleared: 1"});
}

TEST_F(CaptureTest, TokenThatKeepsNothingEndsTheCapture) {
    captureClipboard(state, port, L"Delta - 1500");
    EXPECT_EQ(std::wstring(state.players[0].name), L"Delta");
    EXPECT_EQ(state.players[0].rating, 0);
    EXPECT_EQ(state.rating_index, 0);
    EXPECT_EQ(port.displays.size(), 1u);
    EXPECT_EQ(port.notes, std::vector<std::wstring>{L"Taken: 1 name and 0 ratings\nstopped at '-'"});

    // A long token is quoted by its first 20 characters; a lone tag stops too.
    captureClipboard(state, port, L"  ---------------------------- Echo");
    captureClipboard(state, port, L"<br/> Foxtrot");
    ASSERT_EQ(port.notes.size(), 3u);
    EXPECT_EQ(port.notes[1], L"Taken: 0 names and 0 ratings\nstopped at '--------------------...'");
    EXPECT_EQ(port.notes[2], L"Taken: 0 names and 0 ratings\nstopped at '<br/>'");
    EXPECT_EQ(state.name_index, 1);
}

TEST_F(CaptureTest, ALobbyPastedLineByLineFillsOnePlayerALine) {
    startWith(replacedOnce(kDefaultFile, "player_fmt_group { 0 0", "player_fmt_group { 0 3"));
    captureClipboard(state, port,
                     wide("Saturday Night 4v4\n1. Jos\xC3\xA9 1850\n2. Ana Mar\xC3\xAD"
                          "a 1600\n"
                          "3. \xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 2400\n4. Old_Bear 800")
                         .c_str());
    std::string expected = replacedOnce(kDefaultFile, "'p1' 'p2' 'p3' 'p4'",
                                        "'Jos\xC3\xA9' 'Ana_Mar\xC3\xAD"
                                        "a' "
                                        "'\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4' 'Old_Bear'");
    expected = replacedOnce(expected, "player_rating { 0 0 0 0", "player_rating { 1850 1600 2400 800");
    EXPECT_EQ(dataFile(), replacedOnce(expected, "player_num {6}", "player_num {4}"));
    EXPECT_EQ(std::wstring(state.players[1].name), wide("Ana_Mar\xC3\xAD"
                                                        "a"));
    EXPECT_EQ(state.players[1].fmt_group, 0);
    EXPECT_EQ(state.name_index, 4);
    EXPECT_EQ(state.rating_index, 4);
    EXPECT_EQ(port.displays.size(), 5u);  // one a player, one for the count
    EXPECT_EQ(port.notes, std::vector<std::wstring>{L"Taken line by line: 4 players (players 1 to 4)\n"
                                                    L"4 players in 2 teams\n"
                                                    L"passed over 'Saturday Night 4v4' (a header)\n"
                                                    L"friend groups cleared: 1"});
}

struct LobbyPlayer {
    const char* name;  // UTF-8
    int32_t rating;
    bool unrated;
};

struct LobbyCase {
    const char* text;  // UTF-8, as pasted
    std::vector<LobbyPlayer> players;
    const char* note;          // UTF-8
    const char* results = "";  // the text of Results.txt
};

// Kestrel won last week against Влад; Kes is Kestrel's other name.
const char* const kKestrelsHistory =
    "2026-03-07 21:00\t1\t1\tKestrel\t1\t1700\t\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4\t2\t1800\r\n"
    "alias\tKes\tKestrel\r\n";

std::string signupPost() {
    std::string post =
        "Saturday Night 4v4 - signups are open until Friday, please read the rules before you join us!\n"
        "We start at 20:00 sharp, lobby opens 19:30. Bring your best civ and a good mood.\n"
        "Teams are drawn by the randomiser on the night, friends may team if they say so in advance, as always.\n"
        "Players:\n";
    const char* const lines[] = {"1. Kestrel 1720",
                                 "2. Ana Mar\xC3\xAD\x61 1600",  // \x61: the 'a' after the UTF-8 \xC3\xAD
                                 "3. Vlad 1810",
                                 "4. Mo",
                                 "5. Orrick 1340",
                                 "6. Pellworth 1610",
                                 "7. NewGuy",
                                 "8. Senna 1590"};
    for (const char* line : lines) post += std::string(line) + "\n";
    post +=
        "Subs: write below, first come first served. Casters welcome, stream delay at least two minutes please.\n"
        "GL HF and see you on Saturday, the host team thanks everyone for coming back every week to play with us.";
    return post;
}

// Each lobby, pasted after Ctrl+8, gives these players from player 1 on and
// this note; the count becomes the number of players it gave.
TEST_F(CaptureTest, LobbyLinesAreReadAsAHostWritesThem) {
    const std::string post = signupPost();
    ASSERT_GT(post.size(), 600u);
    const LobbyCase cases[] = {
        {"Saturday Night 4v4 - Host: Kestrel\n1. [HOST] Kestrel_the_Great 1720 elo\n2. Ana Mar\xC3\xAD"
         "a 1600\n"
         "3) Vlad: 1810 (captain)\n#4 Mo\n5. \xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99 1500\n6. Jean-Luc O'Neil xp",
         {{"Kestrel_the_Gre", 1720, false},
          {"Ana_Mar\xC3\xAD"
           "a",
           1600, false},
          {"Vlad", 1810, false},
          {"Mo", 1676, true},
          {"\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99", 1500, false},
          {"Jean-Luc_O\xE2\x80\x99Neil", 1750, false}},
         "Taken line by line: 6 players (players 1 to 6)\n6 players in 2 teams\nunrated, given the mean 1676: Mo\n"
         "cut to 15 characters: Kestrel_the_Gre\npassed over 'Saturday Night 4v4 -...' (a header)"},
        {"[HOST] Mikko 1390\nVlad: 1810 elo\n(sub) Mo\n1500\nMoss 1500 1600\nLark 123456\nPlayers:",
         {{"Mikko", 1390, false}, {"Vlad", 1810, false}, {"Mo", 1600, true}},
         "Taken line by line: 3 players (players 1 to 3)\n3 players: 3 teams; press Ctrl+5\n"
         "unrated, given the mean 1600: Mo\npassed over '1500' (no name), 'Moss 1500 1600' (2 ratings), "
         "'Lark 123456' (rating of more than 5 digits), \xE2\x80\xA6"},
        {"Mo\nZed",
         {{"Mo", 1600, true}, {"Zed", 1600, true}},
         "Taken line by line: 2 players (players 1 to 2)\n2 players in 2 teams\nunrated, given the default 1600: Mo, "
         "Zed"},
        // The history rates a name it knows (Kes through his alias); a rating
        // pasted beside a name it knows still wins; Mo it does not know.
        {"Kes\n\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 1900\nMo\nZed 1500",
         {{"Kes", 1789, false},
          {"\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4", 1900, false},
          {"Mo", 1700, true},
          {"Zed", 1500, false}},
         "Taken line by line: 4 players (players 1 to 4)\n4 players in 2 teams\nratings from the history: Kes 1789\n"
         "unrated, given the mean 1700: Mo",
         kKestrelsHistory},
        {post.c_str(),
         {{"Kestrel", 1720, false},
          {"Ana_Mar\xC3\xAD"
           "a",
           1600, false},
          {"Vlad", 1810, false},
          {"Mo", 1612, true},
          {"Orrick", 1340, false},
          {"Pellworth", 1610, false},
          {"NewGuy", 1612, true},
          {"Senna", 1590, false}},
         "Taken line by line: 8 players (players 1 to 8)\n8 players in 2 teams\nunrated, given the mean 1612: Mo, "
         "NewGuy\npassed over 'Saturday Night 4v4 -...' (a header), 'We start at 20:00 sh...' (a header), "
         "'Teams are drawn by t...' (a header), \xE2\x80\xA6"},
    };
    for (const LobbyCase& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(runResetCommand(state, port));
        captureClipboard(state, port, wide(c.text).c_str(), c.results);
        EXPECT_EQ(state.player_count, static_cast<int32_t>(c.players.size()));
        for (size_t i = 0; i < c.players.size(); ++i) {
            EXPECT_EQ(std::wstring(state.players[i].name), wide(c.players[i].name)) << i;
            EXPECT_EQ(state.players[i].rating, c.players[i].rating) << i;
            EXPECT_EQ(state.players[i].unrated, c.players[i].unrated) << i;
        }
        ASSERT_FALSE(port.notes.empty());
        EXPECT_EQ(port.notes.back(), wide(c.note));
    }
    // The marks are in the file, where the randomiser reads them.
    EXPECT_NE(dataFile().find(" player_unrated { 0 0 0 1 0 0 1 0 }"), std::string::npos) << dataFile();
}

// Eight long names the history knows: the balloon's line of their ratings
// ends with "…" where half the balloon is full, the rest of the note intact.
TEST_F(CaptureTest, TheRatingsFromTheHistoryAreFittedToTheBalloon) {
    std::string history = "2026-03-14 20:00\t1\t1";
    std::wstring lobby;
    for (int p = 0; p < 8; ++p) {
        const std::string name = "Long_Player_Na" + std::to_string(p);
        history += "\t" + name + "\t" + std::to_string(p % 2 + 1) + "\t1500";
        lobby += wide(name.c_str()) + L"\n";
    }
    captureClipboard(state, port, lobby.c_str(), history + "\r\n");
    EXPECT_EQ(state.player_count, 8);
    ASSERT_FALSE(port.notes.empty());
    const std::wstring& note = port.notes.back();
    const size_t start = note.find(L"\nratings from the history: Long_Player_Na0 1");
    ASSERT_NE(start, std::wstring::npos) << toUtf8(note);
    const std::wstring line = note.substr(start + 1);
    EXPECT_LE(line.size(), kBalloonUnits / 2);
    EXPECT_EQ(line.substr(line.size() - 3), L", \u2026");
    EXPECT_EQ(note.find(L"unrated"), std::wstring::npos);
}

TEST_F(CaptureTest, ACountThatNoTeamsDivideSaysWhichWould) {
    startWith(replacedOnce(kDefaultFile, "team_num {2}", "team_num {3}"));
    captureClipboard(state, port, L"A 1\nB 2\nC 3\nD 4\nE 5\nF 6\nG 7\nH 8");
    EXPECT_EQ(state.player_count, 8);
    EXPECT_EQ(port.notes.back(),
              L"Taken line by line: 8 players (players 1 to 8)\n8 players: 2 or 4 teams; press Ctrl+5");
    captureClipboard(state, port, L"I 9\nJ 10");  // begins at player 9: the count stays
    EXPECT_EQ(state.player_count, 8);
    ASSERT_TRUE(runResetCommand(state, port));
    captureClipboard(state, port, L"A 1\nB 2\nC 3\nD 4\nE 5\nF 6\nG 7");
    EXPECT_EQ(port.notes.back(),
              L"Taken line by line: 7 players (players 1 to 7)\n7 players: no even teams; press Ctrl+5");
}

// The host's own default rating serves when no player of the lobby is
// rated, and stays through Ctrl+8; a rating given later clears the mark.
TEST_F(CaptureTest, TheFilesDefaultRatingServesAndARatingClearsTheMark) {
    startWith(kDefaultFile + " default_rating {1450}");
    ASSERT_TRUE(runResetCommand(state, port));
    captureClipboard(state, port, L"1. Mo\n2. Zed");
    EXPECT_EQ(state.players[0].rating, 1450);
    EXPECT_TRUE(state.players[1].unrated);
    state.name_index = state.rating_index = 0;
    captureClipboard(state, port, L"1. Mo 1700\n2. Zed 0");
    std::string expected = replacedOnce(kDefaultFile, "player_num {6}", "player_num {2}");
    expected = replacedOnce(expected, "'p1' 'p2'", "'Mo' 'Zed'");
    expected = replacedOnce(expected, "player_rating { 0", "player_rating { 1700");
    EXPECT_EQ(dataFile(), expected + " default_rating {1450} player_unrated { 0 0 0 0 0 0 0 0 }");
}

TEST_F(CaptureTest, ALobbyStartsAtTheLaterOfTheTwoIndexes) {
    captureClipboard(state, port, L"1500 1600");  // ratings of players 1 and 2, no names
    captureClipboard(state, port, L"Kite 1700\nLark 1800");
    EXPECT_EQ(std::wstring(state.players[0].name), L"p1");
    EXPECT_EQ(state.players[1].rating, 1600);
    EXPECT_EQ(std::wstring(state.players[2].name), L"Kite");
    EXPECT_EQ(state.players[2].rating, 1700);
    EXPECT_EQ(std::wstring(state.players[3].name), L"Lark");
    EXPECT_EQ(state.name_index, 4);
    EXPECT_EQ(state.rating_index, 4);
    EXPECT_EQ(port.notes.back(), L"Taken line by line: 2 players (players 3 to 4)");
}

TEST_F(CaptureTest, ALobbyPastTheEighthPlayerSaysThePlayersAreFilled) {
    state.name_index = 7;
    state.rating_index = 7;
    captureClipboard(state, port, L"Kite 1700\nLark 1800");
    EXPECT_EQ(std::wstring(state.players[7].name), L"Kite");
    EXPECT_EQ(state.name_index, 9);
    EXPECT_EQ(port.notes.back(), std::wstring(L"Taken line by line: 1 player (player 8)\n") + kAllPlayersFilled);
}

TEST_F(CaptureTest, TextWithoutTwoPlayerLinesIsReadTokenByToken) {
    // One line of several players, and a name and a rating on lines of their own.
    captureClipboard(state, port, L"Alpha 1500 Beta 1600");
    captureClipboard(state, port, L"Gamma\r\n1700\r\n");
    EXPECT_EQ(std::wstring(state.players[1].name), L"Beta");
    EXPECT_EQ(state.players[1].rating, 1600);
    EXPECT_EQ(std::wstring(state.players[2].name), L"Gamma");
    EXPECT_EQ(state.players[2].rating, 1700);
    EXPECT_EQ(port.notes, (std::vector<std::wstring>{L"Taken: 2 names and 2 ratings", L"Taken: 1 name and 1 rating"}));
}

TEST_F(CaptureTest, TextBeyond64KiBIsCutAndSaidSo) {
    const std::wstring text = std::wstring(kClipboardChars - 4, L' ') + L"Cut Lost";
    captureClipboard(state, port, text.c_str());
    EXPECT_EQ(std::wstring(state.players[0].name), L"Cut");
    EXPECT_EQ(std::wstring(state.players[1].name), L"p2");
    EXPECT_EQ(port.notes.back(),
              L"Taken: 1 name and 0 ratings\nonly the first 65536 characters of the clipboard were read");
}

TEST_F(CaptureTest, NoClipboardTextShowsTheErrorBox) {
    captureClipboard(state, port, nullptr);
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], L"Invalid data in Clipboard");
    EXPECT_EQ(dataFile(), kDefaultFile);
    EXPECT_TRUE(port.displays.empty());
    EXPECT_TRUE(port.notes.empty());  // the box is the only message
}

TEST_F(CaptureTest, UnreadableFileEndsTheCaptureWithANote) {
    writeFile("PlayerData.txt", "player_num");
    captureClipboard(state, port, L"Alpha 1500");
    EXPECT_TRUE(port.errors.empty());
    EXPECT_TRUE(port.displays.empty());
    EXPECT_EQ(port.notes,
              std::vector<std::wstring>{L"Nothing taken: PlayerData.txt could not be read (see debug.txt)"});
    EXPECT_EQ(std::wstring(state.players[0].name), L"p1");
    EXPECT_EQ(state.name_index, 0);
}

TEST_F(CaptureTest, NinthCaptureIsRefusedAndChangesNothing) {
    captureClipboard(state, port, L"A B C D E F G H");
    const std::string full = dataFile();
    std::remove("debug.txt");
    captureClipboard(state, port, L"Extra");
    EXPECT_EQ(dataFile(), full);
    EXPECT_EQ(debugLogText(), logLines({"A empty or previous value is required to be stored beforehand for "
                                        "player_name, element 8, (even if it is 0)"}));
    EXPECT_EQ(std::wstring(state.players[7].name), L"H");
    EXPECT_EQ(state.name_index, 9);
    EXPECT_EQ(port.notes.back(),
              L"Taken: 0 names and 0 ratings\nall 8 players are filled; Ctrl+8 starts again at player 1");
}

TEST_F(CaptureTest, ThirdPasteOfFourPlayersSaysTheSlotsRanOut) {
    captureClipboard(state, port, L"A 1 B 2 C 3 D 4");
    captureClipboard(state, port, L"E 5 F 6 G 7 H 8");
    const std::string full = dataFile();
    captureClipboard(state, port, L"I 9 J 10 K 11 L 12");
    EXPECT_EQ(dataFile(), full);
    ASSERT_EQ(port.notes.size(), 3u);
    EXPECT_EQ(port.notes[1], L"Taken: 4 names and 4 ratings");
    EXPECT_EQ(port.notes[2],
              L"Taken: 0 names and 0 ratings\nall 8 players are filled; Ctrl+8 starts again at player 1");

    // A paste that fills the last slots says both what it took and what not.
    ASSERT_TRUE(runResetCommand(state, port));
    captureClipboard(state, port, L"A B C D E F 1 2 3 4 5 6");
    captureClipboard(state, port, L"G 7 H 8 I 9 -");
    EXPECT_EQ(port.notes.back(),
              L"Taken: 2 names and 2 ratings\nstopped at '-'\nall 8 players are filled; "
              L"Ctrl+8 starts again at player 1");
}

TEST_F(CaptureTest, FailedStoreLeavesMemoryAsTheFile) {
    std::filesystem::create_directory("PlayerData.txt.tmp");
    captureClipboard(state, port, L"Alpha 1500");
    EXPECT_EQ(dataFile(), kDefaultFile);
    EXPECT_EQ(std::wstring(state.players[0].name), L"p1");
    EXPECT_EQ(state.players[0].rating, 0);
    EXPECT_EQ(state.name_index, 1);  // the index counts on all the same
    EXPECT_EQ(state.rating_index, 1);
    EXPECT_EQ(port.notes, std::vector<std::wstring>{
                              L"Taken: 0 names and 0 ratings\nnot taken by PlayerData.txt: 2 (see debug.txt)"});
}

TEST_F(CaptureTest, ResetCommandRewindsTheIndexesOnlyWhenItWorked) {
    captureClipboard(state, port, L"Alpha 1500");
    state.fmt_index = 3;
    std::filesystem::create_directory("PlayerData.txt.tmp");
    EXPECT_FALSE(runResetCommand(state, port));
    EXPECT_EQ(state.name_index, 1);
    EXPECT_EQ(state.fmt_index, 3);
    std::filesystem::remove("PlayerData.txt.tmp");
    EXPECT_TRUE(runResetCommand(state, port));
    EXPECT_EQ(state.name_index, 0);
    EXPECT_EQ(state.rating_index, 0);
    EXPECT_EQ(state.fmt_index, 0);
    EXPECT_EQ(dataFile(), kDefaultFile);
}

TEST_F(CaptureTest, ResetKeepsThePlayersItReplaces) {
    captureClipboard(state, port, L"Alpha 1500");
    const std::string lobby = dataFile();
    ASSERT_TRUE(runResetCommand(state, port));
    EXPECT_EQ(readFile("PlayerData.bak"), lobby);
    EXPECT_EQ(port.notes.back(),
              L"New lobby: players p1 to p6. The 6 players before are in PlayerData.bak: copy it "
              L"over PlayerData.txt to bring them back");

    // Without the backup there is no reset.
    captureClipboard(state, port, L"Beta 1600");
    const std::string second = dataFile();
    std::filesystem::create_directory("PlayerData.bak.tmp");
    EXPECT_FALSE(runResetCommand(state, port));
    EXPECT_EQ(dataFile(), second);
    EXPECT_EQ(port.errors.back(),
              L"PlayerData.bak could not be written, so the players were not replaced (see debug.txt).");
}

}  // namespace
