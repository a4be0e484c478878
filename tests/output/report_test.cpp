#include "randomiser/output/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "randomiser/output/team_chances.h"
#include "randomiser/startup/match_from_words.h"
#include "startup/game_folder.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

// The worked example of the report layout: four players in two teams.
Randomiser workedExample() {
    Randomiser r;
    setPlayers(r, 2, {1600, 1380, 1500, 1540});
    const wchar_t* names[] = {L"Anna", L"Bo", L"Cy", L"Dee"};
    for (int p = 0; p < 4; ++p) std::wcscpy(r.players.player_names[p], names[p]);
    addCiv(r, L"islanders", 2);
    addCiv(r, L"mountaineers", 4);
    addCiv(r, L"Celts", 1);
    addCiv(r, L"0range", 3);
    const int classes[] = {4, 1, 3, 3}, tiers[] = {1, 3, 0, 2}, teams[] = {1, 2, 2, 1};
    for (int p = 0; p < 4; ++p) {
        r.players.player_rating_classes[p] = classes[p];
        r.players.player_tiers[p] = tiers[p];
        r.players.player_civs[p] = p;
        r.players.player_teams[p] = teams[p];
    }
    changeOptions(r, [](OptionSet& options) {
        options.tier_range_mid = 1;
        options.reshape = 1;
        options.reflective[0] = options.reflective[2] = 1;
        options.reflective[5] = 1;  // beyond player_count: not printed
    });
    r.civ_draw.reshape_amount = 1;
    r.teams.team_scores[0] = 1510;
    r.teams.team_scores[1] = 1470;
    r.teams.team_score_average = 1490;
    r.seed = 1412622073;
    return r;
}

TEST(BuildReport, WorkedExampleLayout) {
    Randomiser r = workedExample();
    buildReport(r);
    const std::vector<std::string> expected = {
        "~-~ Brenlow Sortilane - Version: 2.0k ~-~",
        std::string(49, ' '),
        "Seed: 1412622073",
        "| P-4 T-2 | | Ratings Based | | Tier Range Mid | ",
        "| Reshape Civs To Higher Rated - Tier Based | ",
        "| Reflective Civs 1 0 1 0 | ",
        "",
        "",
        "| Civ Tier 2 4 1 3 | ",
        "| Team Scores 1510 1470 ~ Average 1490 | ",
        std::string(49, '_'),
        "| NAME             | | RATE    | | CIV        | | TEAM |",
        "| Anna             | | Expert  | | Islanders  | | 1    |",
        "| Bo               | | Newb    | | Mountainee | | 2    |",
        "| Cy               | | Inter   | | Celts      | | 2    |",
        "| Dee              | | Inter   | | 0range     | | 1    |",
    };
    EXPECT_EQ(reportLines(r), expected);
}

TEST(BuildReport, LearnedRatingsAddTheWinChanceLineAfterTheTeamScores) {
    Randomiser plain = workedExample();
    buildReport(plain);
    Randomiser learned = workedExample();
    changeOptions(learned, [](OptionSet& options) { options.learned_ratings = 1; });
    const double mu[] = {1600, 1380, 1500, 1540};
    for (int p = 0; p < 4; ++p) learned.history.player_skills[p] = {mu[p], 250.0};
    buildReport(learned);
    std::vector<std::string> expected = reportLines(plain);
    ASSERT_EQ(expected[9], "| Team Scores 1510 1470 ~ Average 1490 | ");
    // Team 1: 3140, team 2: 2880; c = sqrt(2 * (2 * 250^2 + 125^2)) = 530.33.
    expected.insert(expected.begin() + 10, "| Win Chance 62% 38% | ");
    EXPECT_EQ(reportLines(learned), expected);
}

TEST(WinChancePercents, RoundsEachChanceToTheNearestPercent) {
    const double thirds[] = {1.0 / 3, 1.0 / 3, 1.0 / 3};
    EXPECT_EQ(winChancePercents(thirds, 3), L"33% 33% 33%");
    const double halves[] = {0.125, 0.875};
    EXPECT_EQ(winChancePercents(halves, 2), L"13% 88%");
}

TEST(BuildReport, SeedPrintsItsLowBitsSigned) {
    Randomiser r = workedExample();
    r.seed = 0x1'8000'0000LL;
    buildReport(r);
    EXPECT_EQ(reportLines(r)[2], "Seed: -2147483648");
}

// The match's line of Results.txt names each player's civilisation as the
// report does, whole; with omit_civs it names none.
TEST(BuildReport, TheResultsLineRecordsTheCivilisations) {
    Randomiser r = workedExample();
    buildReport(r);
    const char* civs[] = {"Islanders", "Mountaineers", "Celts", "0range"};
    ASSERT_EQ(r.report.results_line.players.size(), 4u);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(r.report.results_line.players[p].civ, civs[p]) << p;
    Randomiser omitted = workedExample();
    changeOptions(omitted, [](OptionSet& options) { options.omit_civs = 1; });
    buildReport(omitted);
    for (const ResultPlayer& player : omitted.report.results_line.players) EXPECT_EQ(player.civ, "");
}

// The seed line of both layouts says the lobby's word and the draw again
// beside the seed; the longest word stands whole in the full report's line.
TEST(BuildReport, TheSeedLineSaysTheWordAndTheDraw) {
    std::wstring longest;
    for (int i = 0; i < 10; ++i) longest += L"\u0412\u043B\u0430\u0434";  // 40 characters of Cyrillic
    ASSERT_EQ(charCount(longest), kMaxSeedWordChars);
    const struct {
        int64_t seed;
        std::wstring word;
        int draw;
        std::string seedText;
    } cases[] = {
        {1765000001, L"", 2, "1765000001 (draw 2)"},
        {805679160, L"pancake", 1, "805679160 (word pancake)"},
        {-59217975, L"pancake", 2, "-59217975 (word pancake, draw 2)"},
        {-2147483648LL, longest, 12, "-2147483648 (word " + toUtf8(longest) + ", draw 12)"},
    };
    for (const auto& c : cases) {
        Randomiser r = workedExample();
        r.seed = c.seed;
        r.seed_word = c.word;
        r.draw_number = c.draw;
        buildReport(r);
        EXPECT_EQ(reportLines(r)[2], "Seed: " + c.seedText);
        changeOptions(r, [](OptionSet& options) { options.compact = 1; });
        buildReport(r);
        EXPECT_EQ(reportLines(r)[0], "~-~ Brenlow Sortilane 2.0k ~-~ Seed: " + c.seedText);
    }
}

TEST(BuildReport, OmitCivsKeepsTheSummaryToOneLine) {
    Randomiser r = workedExample();
    changeOptions(r, [](OptionSet& options) { options.omit_civs = 1; });
    buildReport(r);
    std::vector<std::string> lines = reportLines(r);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[3], "| P-4 T-2 | | Omit Civ Calculation | ");
    EXPECT_EQ(lines[4], std::string(49, '_'));
    EXPECT_EQ(lines[6], "| Anna             | | Expert  | |            | | 1    |");
}

// A player the editor marked unrated has '?' after his class, and the column
// grows to hold "Extreme?"; the start balloon names him.
TEST(BuildReport, UnratedPlayersAreMarked) {
    Randomiser r = workedExample();
    r.players.player_unrated[1] = r.players.player_unrated[3] = 1;
    r.players.player_rating_classes[3] = 5;
    buildReport(r);
    const std::vector<std::string> lines = reportLines(r);
    EXPECT_EQ(lines[11], "| NAME             | | RATE     | | CIV        | | TEAM |");
    EXPECT_EQ(lines[12], "| Anna             | | Expert   | | Islanders  | | 1    |");
    EXPECT_EQ(lines[13], "| Bo               | | Newb?    | | Mountainee | | 2    |");
    EXPECT_EQ(lines[15], "| Dee              | | Extreme? | | 0range     | | 1    |");
    EXPECT_EQ(unratedPlayersNote(r.players), L"Unrated, given the lobby's mean (? in the report): Bo, Dee");
    r.players.player_unrated[1] = r.players.player_unrated[3] = 0;
    EXPECT_EQ(unratedPlayersNote(r.players), L"");
}

// Players the file marks unrated whom the results have rated, grouped by
// the matches that rated them; a player still unrated is not among them.
TEST(BuildReport, LearnedNewcomersAreNamedWithTheirMatches) {
    Randomiser r = workedExample();
    MatchHistory history;
    EXPECT_EQ(learnedPlayersNote(r.players, history), L"");
    const int fileUnrated[] = {1, 1, 1, 1};
    const int ratedMatches[] = {6, 1, 6, 2};
    for (int p = 0; p < 4; ++p) {
        r.players.player_file_unrated[p] = fileUnrated[p];
        history.player_rated_matches[p] = ratedMatches[p];
    }
    r.players.player_unrated[3] = 1;
    EXPECT_EQ(learnedPlayersNote(r.players, history), L"learned from 6 matches: Anna, Cy; learned from 1 match: Bo");
}

// Only with learned_ratings: the players the history does not know.
TEST(BuildReport, PlayersTheHistoryDoesNotKnowAreNewTonight) {
    Randomiser r = workedExample();
    MatchHistory history;
    for (int p = 0; p < 3; ++p) history.player_learned[p] = 1;
    EXPECT_EQ(newPlayersTonightNote(r.players, history, true),
              L"new tonight: " + std::wstring(r.players.player_names[3]));
    EXPECT_EQ(newPlayersTonightNote(r.players, history, false), L"");
    history.player_learned[3] = 1;
    EXPECT_EQ(newPlayersTonightNote(r.players, history, true), L"");
}

TEST(BuildReport, SkippedLinesAreCounted) {
    MatchHistory history;
    EXPECT_EQ(skippedLinesNote(history), L"");
    history.skipped_lines = 3;
    EXPECT_EQ(skippedLinesNote(history), L"Results.txt: 3 lines skipped (see debug.txt)");
}

TEST(BuildReport, UnratedRunShowsRookAndNoScores) {
    Randomiser r = workedExample();
    changeOptions(r, [](OptionSet& options) {
        options.use_ratings = 0;
        options.tier_range_mid = 0;
        options.reshape = 0;
        std::fill(options.reflective, options.reflective + 8, 0);
    });
    for (int p = 0; p < 4; ++p) r.players.player_rating_classes[p] = 2;
    buildReport(r);
    std::vector<std::string> lines = reportLines(r);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[3], "| P-4 T-2 | ");
    for (int i = 4; i <= 7; ++i) EXPECT_EQ(lines[i], "");
    EXPECT_EQ(lines[8], "| Civ Tier 2 4 1 3 | ");
    EXPECT_EQ(lines[9], std::string(49, '_'));
    EXPECT_EQ(lines[12].substr(21, 12), "| Rook    | ");
}

TEST(BuildReport, FriendsLineAndRepeatCells) {
    Randomiser r = workedExample();
    r.teams.fmt_present = 1;
    r.players.player_fmt_groups[1] = 3;
    r.players.player_fmt_groups[2] = 3;
    r.civ_draw.repeat_enemy[3] = 1;
    r.civ_draw.repeat_ally = 1;
    changeOptions(r, [](OptionSet& options) { options.reflective_tiers = 1; });
    buildReport(r);
    std::vector<std::string> lines = reportLines(r);
    EXPECT_EQ(lines[5], "| Reflective Civs 1 0 1 0 | | Reflective Tiers | ");
    EXPECT_EQ(lines[6], "| Repeat Enemy 0 0 0 1 | | Repeat Ally | ");
    EXPECT_EQ(lines[8], "| Friends May Team 0 3 3 0 | ");
    EXPECT_EQ(lines[9], "| Civ Tier 2 4 1 3 | ");
    EXPECT_EQ(lines.size(), 17u);
}

TEST(BuildReport, TheRangeNamedIsTheOneTheDrawApplies) {
    Randomiser r = workedExample();
    changeOptions(r,
                  [](OptionSet& options) { options.tier_range_high = 1; });  // with mid also set, the draw applies high
    buildReport(r);
    EXPECT_EQ(reportLines(r)[3], "| P-4 T-2 | | Ratings Based | | Tier Range High | ");
}

TEST(BuildReport, LongOptionLineContinuesOnTheNextLine) {
    Randomiser r = workedExample();
    changeOptions(r, [](OptionSet& options) {
        options.single_tier = 1;
        options.single_tier_value = 2;
        options.varied_tier_ratios = 1;
        options.team_random = 1;
    });
    const int ratios[4] = {10, 20, 30, 40};
    std::copy(ratios, ratios + 4, r.civ_draw.tier_ratios);
    r.civ_draw.handicap = 1;
    r.civ_draw.score_combo = 3;
    buildReport(r);
    std::vector<std::string> lines = reportLines(r);
    EXPECT_EQ(lines[7], "| Single Tier 2 | | Varied Tier 10 20 30 40 | | Team Random | | Handicap | ");
    EXPECT_EQ(lines[8], "| Score Combo Low - Eco And Mil | ");
    EXPECT_EQ(lines[9], "| Civ Tier 2 4 1 3 | ");
    EXPECT_EQ(lines[11], std::string(49, '_'));
    EXPECT_EQ(lines.size(), 17u);
    for (const std::string& line : lines) EXPECT_LE(line.size(), 79u);
}

TEST(BuildReport, FairTeamsCellStandsAfterTeamRandomAndBeforeHandicap) {
    Randomiser r = workedExample();
    changeOptions(r, [](OptionSet& options) {
        options.team_random = 1;
        options.fair_teams = 1;
        options.fair_margin = 40;
    });
    r.civ_draw.handicap = 1;
    buildReport(r);
    EXPECT_EQ(reportLines(r)[7], "| Team Random | | Handicap | ");  // a rating was missing: no balance was made

    r.teams.fair_balanced = 1;
    buildReport(r);
    EXPECT_EQ(reportLines(r)[7], "| Team Random | | Fair Teams 40 | | Handicap | ");

    changeOptions(r, [](OptionSet& options) {
        options.single_tier = 1;
        options.varied_tier_ratios = 1;
    });
    r.civ_draw.score_combo = 1;
    buildReport(r);
    std::vector<std::string> lines = reportLines(r);
    EXPECT_EQ(lines[7], "| Single Tier 1 | | Varied Tier 1 1 1 1 | | Team Random | | Fair Teams 40 | ");
    EXPECT_EQ(lines[8], "| Handicap | | Score Combo Low - Eco | ");
    for (const std::string& line : lines) EXPECT_LE(line.size(), 79u);
}

TEST(AddReportCell, CellsThatPassTheLineWrapAndOverlongCellsAreCut) {
    ReportState report;
    ReportCursor cursor;
    std::wstring sixty(60, L'x');
    addReportCell(report, cursor, L"ab");
    addReportCell(report, cursor, sixty.c_str());  // 7 + 65 = 72 fits
    addReportCell(report, cursor, L"cd");          // 72 + 7 = 79 fits exactly
    addReportCell(report, cursor, L"e");           // would pass 79: next line
    std::wstring hundred(100, L'y');
    addReportCell(report, cursor, hundred.c_str());  // wraps, then is cut
    addReportCell(report, cursor, L"f");
    EXPECT_EQ(std::wstring(report.report_lines[0]), L"| ab | | " + sixty + L" | | cd | ");
    EXPECT_EQ(std::wstring(report.report_lines[1]), L"| e | ");
    EXPECT_EQ(std::wstring(report.report_lines[2]), L"| " + std::wstring(77, L'y'));
    EXPECT_EQ(std::wstring(report.report_lines[3]), L"| f | ");
    EXPECT_EQ(cursor.line, 3);
}

TEST(BuildReport, FieldsCountCharactersOfEveryScript) {
    Randomiser r = workedExample();
    std::wstring astral;  // 15 characters beyond U+FFFF
    for (int i = 0; i < 15; ++i) astral += readFileText("\xF0\x9F\x98\x80");
    const std::wstring names[] = {L"Jos\u00E9", L"\u0412\u043B\u0430\u0434", L"\u674E\u96F7", astral};
    for (int p = 0; p < 4; ++p) boundedCopy(r.players.player_names[p], names[p].c_str());
    boundedCopy(r.game.civ_table[0].name, readFileText("\xC3\xA9lan\xF0\x9F\x98\x80\xF0\x9F\x98\x80xyzwv").c_str());
    buildReport(r);
    const std::vector<std::string> lines = reportLines(r);
    ASSERT_EQ(lines.size(), 16u);
    // The first letter is upper-cased for a..z only; the civilisation field
    // is cut after 10 characters, each four-byte one counted as one.
    EXPECT_EQ(lines[12],
              "| Jos\xC3\xA9             | | Expert  | | \xC3\xA9lan\xF0\x9F\x98\x80\xF0\x9F\x98\x80xyzw | | 1    |");
    EXPECT_EQ(lines[13], "| \xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4             | | Newb    | | Mountainee | | 2    |");
    EXPECT_EQ(lines[14], "| \xE6\x9D\x8E\xE9\x9B\xB7               | | Inter   | | Celts      | | 2    |");
    std::string astralBytes;
    for (int i = 0; i < 15; ++i) astralBytes += "\xF0\x9F\x98\x80";
    EXPECT_EQ(lines[15], "| " + astralBytes + "  | | Inter   | | 0range     | | 1    |");
    for (int p = 0; p < 4; ++p) EXPECT_EQ(charCount(r.report.report_lines[12 + p]), 56u);
}

TEST(AddReportCell, TheLineLimitCountsCharacters) {
    ReportState report;
    ReportCursor cursor;
    std::wstring wide;  // 80 characters beyond U+FFFF: cut to 77 after "| "
    for (int i = 0; i < 80; ++i) wide += readFileText("\xF0\x9F\x98\x80");
    addReportCell(report, cursor, L"\u00E9");
    addReportCell(report, cursor, firstChars(wide, 70).c_str());  // 6 + 75 = 81: next line
    addReportCell(report, cursor, wide.c_str());
    EXPECT_EQ(std::wstring(report.report_lines[0]), L"| \u00E9 | ");
    EXPECT_EQ(std::wstring(report.report_lines[1]), L"| " + firstChars(wide, 70) + L" | ");
    EXPECT_EQ(std::wstring(report.report_lines[2]), L"| " + firstChars(wide, 77));
    EXPECT_EQ(charCount(report.report_lines[2]), 79u);
}

TEST(ReportNames, ValuesOutsideTheTablesHaveEmptyNames) {
    EXPECT_STREQ(ratingClassName(5), L"Extreme");
    EXPECT_STREQ(ratingClassName(6), L"");
    EXPECT_STREQ(ratingClassName(-1), L"");
    EXPECT_STREQ(reshapeBasisName(4), L"Impact");
    EXPECT_STREQ(reshapeBasisName(5), L"");
    EXPECT_STREQ(scoreComboName(3), L"Eco And Mil");
    EXPECT_STREQ(scoreComboName(9), L"");

    Randomiser r = workedExample();
    r.civ_draw.reshape_amount = 9;
    r.civ_draw.score_combo = 7;
    buildReport(r);
    std::vector<std::string> lines = reportLines(r);
    EXPECT_EQ(lines[4], "| Reshape Civs To Higher Rated -  Based | ");
    EXPECT_EQ(lines[7], "| Score Combo Low -  | ");
}

TEST(BuildReport, EveryLineFitsWithExtremeValues) {
    Randomiser r = workedExample();
    setPlayers(r, 4, {1, 2, 3, 4, 5, 6, 7, 8});
    r.teams.fmt_present = 1;
    for (int p = 0; p < 8; ++p) {
        r.players.player_fmt_groups[p] = INT32_MIN;
        r.players.player_civs[p] = 1;
        r.players.player_rating_classes[p] = 5;
    }
    std::fill(r.civ_draw.tier_ratios, r.civ_draw.tier_ratios + 4, INT32_MAX);
    changeOptions(r, [](OptionSet& options) {
        options.varied_tier_ratios = options.single_tier = options.team_random = 1;
        options.single_tier_value = INT32_MIN;
    });
    r.civ_draw.handicap = 1;
    r.civ_draw.score_combo = 3;
    r.civ_draw.reshape_amount = 3;
    std::fill(r.teams.team_scores, r.teams.team_scores + 4, INT32_MIN);
    buildReport(r);
    std::vector<std::string> lines = reportLines(r);
    ASSERT_LE(lines.size(), 30u);
    for (const std::string& line : lines) EXPECT_LE(line.size(), 79u);
    size_t rows = 0;
    for (const std::string& line : lines) rows += line.size() == 56 ? 1 : 0;
    EXPECT_EQ(rows, 9u);  // header and eight players
    EXPECT_EQ(lines.back(), "| Player 7         | | Extreme | | Mountainee | | 0    |");
}

}  // namespace

namespace {

std::vector<std::string> runWords(std::vector<std::wstring> words, Randomiser& r) {
    GameFolder files;
    files.write();
    words.insert(words.begin(), L"Brenlow_Sortilane.exe");
    EXPECT_TRUE(computeMatch(r, 1412622073, words));
    return reportLines(r);
}

TEST(ComputeMatch, RefusedDrawReportsNoCivilisations) {
    struct Case {
        std::vector<std::wstring> words;
        int option_line;
        std::string option_cell;
        std::string log;
    };
    const Case cases[] = {
        {{L"rating", L"varied_tier_ratios", L"0", L"0", L"0", L"0"}, 7, "| Varied Tier 0 0 0 0 | ", ""},
        {{L"rating", L"single_tier", L"5"}, 7, "| Single Tier 5 | ", "NULL Tier Passed For Single Civ Tier Option 5\n"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        Randomiser r;
        std::vector<std::string> lines = runWords(c.words, r);
        ASSERT_EQ(lines.size(), 16u);
        EXPECT_EQ(lines[c.option_line], c.option_cell);
        EXPECT_EQ(lines[8], "| Civs Not Drawn | ");  // on the line of the civilisation tiers
        EXPECT_EQ(lines[11], "| NAME             | | RATE    | | CIV        | | TEAM |");
        for (int row = 12; row < 16; ++row) EXPECT_EQ(lines[row].substr(33, 15), "|            | ") << row;
        EXPECT_EQ(debugLogText(), c.log);
    }
}

TEST(ComputeMatch, DrawnCivilisationsAreNamedAndTheirTiersListed) {
    TempFolder folder;
    Randomiser r;
    std::vector<std::string> lines = runWords({L"rating", L"single_tier", L"1"}, r);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[8], "| Civ Tier 1 1 1 1 | ");
    for (int row = 12; row < 16; ++row) EXPECT_NE(lines[row].substr(33, 15), "|            | ") << row;
}

TEST(ComputeMatch, ValidateAndRepostBuildNoReport) {
    for (const wchar_t* mode : {L"validate", L"repost", L"rematch"}) {
        TempFolder folder;
        writeFile("data.txt", "Seed: 1\r\n");  // the report a repost types again
        Randomiser r;
        EXPECT_TRUE(runWords({L"rating", mode}, r).empty());
        EXPECT_EQ(r.report.report_line_count, 0);
        EXPECT_EQ(r.players.player_teams[0], 0);
    }
}

TEST(ComputeMatch, OmitCivsStillDrawsTeams) {
    TempFolder folder;
    Randomiser r;
    std::vector<std::string> lines = runWords({L"rating", L"omit_civs"}, r);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[3], "| P-4 T-2 | | Omit Civ Calculation | ");
    for (int row = 6; row < 10; ++row) EXPECT_EQ(lines[row].substr(33, 15), "|            | ");
    EXPECT_NE(r.players.player_teams[0], 0);
}

}  // namespace

// With the word standings both layouts add tonight's wins and losses after
// the team values, as many players as the line holds; line_cap holds fewer.
TEST(BuildReport, StandingsSayTonightsWinsAndLossesInBothLayouts) {
    struct Case {
        bool compact;
        int line_cap;
        std::string line;
    } cases[] = {
        {false, 0, "| Tonight: Kestrel 3-1, \xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 2-1, Mo 1-0, Zed 0-3 | "},
        {false, 40, "| Tonight: Kestrel 3-1, \xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 2-1 | "},
        {true, 0, "Tonight: Kestrel 3-1, \xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 2-1, Mo 1-0, Zed 0-3"},
        {true, 30, "Tonight: Kestrel 3-1, \xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4 2-1"},
    };
    for (const Case& c : cases) {
        Randomiser r = workedExample();
        const std::vector<std::string> without = (buildReport(r), reportLines(r));
        r.history.tonight_tally = {{"Kestrel", 3, 1}, {"\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4", 2, 1}, {"Mo", 1, 0}, {"Zed", 0, 3}};
        buildReport(r);
        EXPECT_EQ(reportLines(r), without) << "no line without the word";
        changeOptions(r, [&](OptionSet& options) {
            options.standings = 1;
            options.compact = c.compact;
            options.line_cap = c.line_cap;
        });
        buildReport(r);
        const std::vector<std::string> lines = reportLines(r);
        const auto found = std::find(lines.begin(), lines.end(), c.line);
        ASSERT_NE(found, lines.end()) << c.line;
        const std::string before = *(found - 1);
        EXPECT_TRUE(before.rfind(c.compact ? "T2" : "| Team Scores", 0) == 0) << before;
    }
}
