#include "randomiser/startup/draw_again.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/text_convert.h"
#include "common/word_seed.h"
#include "randomiser/allocation/fair_teams.h"
#include "randomiser/output/compact_report.h"
#include "randomiser/output/draw_note.h"
#include "randomiser/startup/match_from_words.h"
#include "startup/game_folder.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

TEST(DrawAgain, TheSeedIsTheClocksOrOneMoreThanTheLast) {
    EXPECT_EQ(nextDrawSeed(1765000000, 1765000042), 1765000042);
    EXPECT_EQ(nextDrawSeed(1765000000, 1765000000), 1765000001) << "the clock has not moved";
    EXPECT_EQ(nextDrawSeed(1765000005, 1765000003), 1765000006) << "draws faster than the clock";
}

// A draw again is the match its seed gives, as the preview computes it, with
// its number beside the seed; a refused one keeps the match as it was.
TEST(DrawAgain, DrawsTheMatchOfTheNextSeedAndSaysWhichDraw) {
    TempFolder folder;
    GameFolder files;
    files.write();
    const std::vector<std::wstring> words = {L"sortilane.exe", L"rating", L"handicap"};
    Randomiser run;
    std::vector<std::wstring> startWords = words;
    ASSERT_TRUE(computeMatch(run, 1765000000, startWords));
    ASSERT_TRUE(drawAgain(run, words, 1765000000));
    EXPECT_EQ(run.seed, 1765000001);
    EXPECT_EQ(run.draw_number, 2);
    EXPECT_EQ(toUtf8(run.report.report_lines[2]), "Seed: 1765000001 (draw 2)");

    Randomiser preview;
    std::vector<std::wstring> previewWords = words;
    ASSERT_TRUE(computeMatch(preview, 1765000001, previewWords));
    const std::vector<std::string> draw = reportLines(run);
    std::vector<std::string> expected = reportLines(preview);
    expected[2] += " (draw 2)";
    EXPECT_EQ(draw, expected);

    writeFile("PlayerData.txt", "player_num");
    EXPECT_FALSE(drawAgain(run, words, 1765000100));
    EXPECT_EQ(run.draw_number, 2);
    EXPECT_EQ(reportLines(run), draw);
}

// Under a seed word every draw N has the word's seed for N, so a restart
// with the same word draws the same match, and the preview's --draw N is the
// run's draw N; the seed line and the tooltip name the word.
TEST(DrawAgain, UnderASeedWordDrawNIsTheWordsSeedForN) {
    TempFolder folder;
    GameFolder files;
    files.write();
    const std::vector<std::wstring> words = {L"sortilane.exe", L"rating", L"seed_word", L"Lobby night"};
    Randomiser run;
    std::vector<std::wstring> startWords = words;
    ASSERT_TRUE(computeMatch(run, 1765000000, startWords));
    EXPECT_EQ(run.seed, wordSeed("Lobby night"));
    EXPECT_EQ(toUtf8(run.report.report_lines[2]), "Seed: " + std::to_string(run.seed) + " (word Lobby night)");
    const std::vector<std::string> first = reportLines(run);
    ASSERT_TRUE(drawAgain(run, words, 1765000000));
    EXPECT_EQ(run.seed, wordSeedForDraw("Lobby night", 2));
    EXPECT_EQ(toUtf8(run.report.report_lines[2]),
              "Seed: " + std::to_string(run.seed) + " (word Lobby night, draw 2)");
    EXPECT_NE(toUtf8(drawTooltipText(run)).find(" seed " + std::to_string(run.seed) + " (word Lobby night, draw 2) "),
              std::string::npos)
        << toUtf8(drawTooltipText(run));

    Randomiser restart;
    std::vector<std::wstring> restartWords = words;
    ASSERT_TRUE(computeMatch(restart, 1765000999, restartWords));
    EXPECT_EQ(reportLines(restart), first) << "a restart with the word, at another time";
    Randomiser preview;
    preview.draw_number = 2;
    std::vector<std::wstring> previewWords = words;
    ASSERT_TRUE(computeMatch(preview, 1765000999, previewWords));
    EXPECT_EQ(reportLines(preview), reportLines(run));
}

// The host's view of a draw names every player and the map, fits a balloon
// (without the civilisations when they make it too long), and the tip gives
// the seed and the spread.
TEST(DrawNote, NamesEveryPlayerAndFitsABalloon) {
    TempFolder folder;
    GameFolder files;
    files.write();
    Randomiser run;
    std::vector<std::wstring> words = {L"sortilane.exe", L"rating"};
    ASSERT_TRUE(computeMatch(run, 1765000000, words));
    const std::wstring balloon = drawBalloonText(run, L"\nRostrix's hotkeys rest until Sortilane ends", 255);
    for (int p = 0; p < run.players.player_count; ++p)
        EXPECT_NE(balloon.find(run.players.player_names[p]), std::wstring::npos) << toUtf8(balloon);
    EXPECT_NE(balloon.find(L" ("), std::wstring::npos) << "the civilisations, which fit";
    EXPECT_NE(balloon.find(std::wstring(L"Map: ") + run.current.map_name + L" \u00B7 spread "), std::wstring::npos);
    EXPECT_EQ(balloon.substr(balloon.size() - 44), L"\nRostrix's hotkeys rest until Sortilane ends");
    const std::wstring narrow = drawBalloonText(run, L"", 60);
    EXPECT_EQ(narrow.find(L" ("), std::wstring::npos) << toUtf8(narrow);
    EXPECT_LE(narrow.size(), 60u);
    EXPECT_EQ(drawTooltipText(run).substr(0, 27), L"Sortilane \u00B7 seed 1765000000");
}

// Eight players: the civilisations stay whenever the team lines and the map
// line hold them, and every line shown is whole, whatever the room: a team
// line with or without its civilisations, the map line, a note, or "…" for
// the rest.
TEST(DrawNote, EightPlayersKeepTheirCivilisationsAndEveryLineIsWhole) {
    TempFolder folder;
    GameFolder files;
    files.playerData =
        "player_num {8} team_num {2} player_name { 'Tobin_Quay' 'Mirelle' 'Pellworth' 'Halvard' 'Senna' 'Orrick' "
        "'Dunmore' 'Kestrel' } player_rating { 1500 1600 1400 1700 1550 1650 1450 1750 } "
        "player_fmt_group { 0 0 0 0 0 0 0 0 }";
    files.write();
    Randomiser run;
    std::vector<std::wstring> words = {L"sortilane.exe", L"rating"};
    ASSERT_TRUE(computeMatch(run, 7, words));
    const std::wstring mapLine = std::wstring(L"Map: ") + run.current.map_name + L" \u00B7 spread " +
                                 std::to_wstring(teamScoreSpread(run));
    const std::vector<std::wstring> notes = {L"open_chat: close the chat: Ctrl+1 opens it for each line",
                                             L"Rostrix's hotkeys rest until Sortilane ends"};
    const std::wstring civLines = compactTeamLine(run, 0, true) + L"\n" + compactTeamLine(run, 1, true) + L"\n";
    EXPECT_EQ(drawBalloonText(run, L"\n" + notes[1], 255), civLines + mapLine + L"\n" + notes[1])
        << "the guide's promise: 8 players with their civilisations";

    const std::vector<std::wstring> allowed = {compactTeamLine(run, 0, true),  compactTeamLine(run, 1, true),
                                               compactTeamLine(run, 0, false), compactTeamLine(run, 1, false),
                                               mapLine, notes[0], notes[1], L"\u2026"};
    const std::wstring roomy = drawBalloonText(run, L"\n" + notes[0] + L"\n" + notes[1], 1000);
    ASSERT_EQ(roomy, civLines + mapLine + L"\n" + notes[0] + L"\n" + notes[1]);
    for (size_t room = roomy.size(); room >= 60; --room) {
        const std::wstring balloon = drawBalloonText(run, L"\n" + notes[0] + L"\n" + notes[1], room);
        EXPECT_LE(balloon.size(), room);
        const bool civsFit = room >= civLines.size() + mapLine.size() + 2;  // and "\n…" for the notes
        EXPECT_EQ(balloon.find(L" (") != std::wstring::npos, civsFit) << room << ": " << toUtf8(balloon);
        if (civsFit) {
            EXPECT_NE(balloon.find(civLines + mapLine), std::wstring::npos) << "the draw whole";
        }
        size_t start = 0;
        while (start <= balloon.size()) {
            const size_t end = std::min(balloon.find(L'\n', start), balloon.size());
            const std::wstring line = balloon.substr(start, end - start);
            EXPECT_NE(std::find(allowed.begin(), allowed.end(), line), allowed.end()) << room << ": " << toUtf8(line);
            start = end + 1;
        }
    }
}

}  // namespace
