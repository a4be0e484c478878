#include "randomiser/startup/command_line.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <sstream>
#include <string>
#include <vector>

#include "common/crt_random.h"
#include "common/word_seed.h"
#include "startup/game_folder.h"
#include "test_support.h"

namespace {

std::vector<std::wstring> wordsOf(const std::wstring& line) {
    std::vector<std::wstring> words = {L"C:\\Games\\Brenlow_Sortilane.exe"};
    std::wistringstream in(line);
    std::wstring word;
    while (in >> word) words.push_back(word);
    return words;
}

class CommandLine : public ::testing::Test {
protected:
    TempFolder folder;
    GameFolder files;
    Randomiser randomiser;
    const OptionSet& options = randomiser.options();

    void SetUp() override { files.write(); }

    bool parse(const std::wstring& line, uint32_t seed = 5) {
        std::vector<std::wstring> words = wordsOf(line);
        crtSrand(seed);
        return parseCommandLine(randomiser, words);
    }

    // The draws an option makes come after the one draw of the match map.
    static std::vector<int> drawsAfterTheMap(uint32_t seed, int count) {
        crtSrand(seed);
        crtRand();
        std::vector<int> draws;
        for (int i = 0; i < count; ++i) draws.push_back(crtRand());
        return draws;
    }
};

TEST_F(CommandLine, KeepsTheDefaultsWithoutWords) {
    ASSERT_TRUE(parse(L""));
    EXPECT_EQ(options.repeat_combo, 8);
    EXPECT_EQ(options.single_tier_value, 1);
    EXPECT_EQ(options.use_ratings, 0);
    EXPECT_EQ(std::wstring(options.usual_rules_path), L"./Rules/Usual.txt");
    EXPECT_EQ(std::wstring(options.civ_script_path), L"./Scripts/Civ_Details.txt");
    EXPECT_EQ(options.tier_ratios[3], 1);
    EXPECT_EQ(options.reflective[7], 0);
    EXPECT_EQ(std::wstring(randomiser.players.player_names[5]), L"Player 5");
    EXPECT_EQ(randomiser.players.player_ratings[5], -1);
    EXPECT_EQ(debugLogText(), "");
}

TEST_F(CommandLine, SetsTheSimpleFlags) {
    ASSERT_TRUE(parse(L"HANDICAP team_random reflective_tiers repeat_same_team civ_cycle fmt_uncounter omit_civs"));
    EXPECT_EQ(options.handicap, 1);
    EXPECT_EQ(options.team_random, 1);
    EXPECT_EQ(options.reflective_tiers, 1);
    EXPECT_EQ(options.repeat_same_team, 1);
    EXPECT_EQ(options.repeat_ally, 1);
    EXPECT_EQ(options.civ_cycle, 1);
    EXPECT_EQ(options.fmt_uncounter, 1);
    EXPECT_EQ(options.omit_civs, 1);
}

TEST_F(CommandLine, SeesRatingAndScriptsAnywhere) {
    files.civs = "civ_num {1} civ_name {'Solo'} civ_tier {1}";
    writeFile("scripts/other civs.txt", files.civs);  // words are lower-cased, paths included
    std::vector<std::wstring> words = wordsOf(L"validate rating SCRIPT Civs");
    words.push_back(L"scripts/OTHER civs.txt");
    crtSrand(5);
    ASSERT_TRUE(parseCommandLine(randomiser, words));
    EXPECT_EQ(options.validate_only, 1);
    EXPECT_EQ(options.use_ratings, 1);
    EXPECT_EQ(randomiser.players.player_ratings[1], 1600);
    ASSERT_EQ(randomiser.game.civ_table.size(), 1u);
    EXPECT_EQ(std::wstring(randomiser.game.civ_table[0].name), L"Solo");
}

TEST_F(CommandLine, SkipsScriptWordsInBothPasses) {
    EXPECT_TRUE(parse(L"script civs"));
    EXPECT_TRUE(parse(L"script civs ./Scripts/Civ_Details.txt handicap"));
    EXPECT_EQ(options.handicap, 1);
    std::string longName(300, 'x');
    EXPECT_FALSE(parse(L"script map " + std::wstring(longName.begin(), longName.end())));
    EXPECT_EQ(std::wstring(options.map_script_path), std::wstring(259, L'x'));
}

TEST_F(CommandLine, NamesAMisspelledScriptKind) {
    const struct {
        const wchar_t* words;
        const char* line;
    } cases[] = {
        {L"script civ ./Scripts/Civ_Details.txt", "script needs civs, map or rules before its file - Passed ~ civ\n"},
        {L"rating script", "script needs civs, map or rules before its file - Passed ~ nothing\n"},
    };
    for (const auto& c : cases) {
        std::remove("debug.txt");
        EXPECT_FALSE(parse(c.words));
        EXPECT_EQ(debugLogText(), c.line);
    }
}

TEST_F(CommandLine, EndsAtValidateOrRepost) {
    EXPECT_TRUE(parse(L"validate foo"));
    EXPECT_EQ(debugLogText(), "");
    EXPECT_TRUE(parse(L"RePost foo"));
    EXPECT_EQ(options.repost_only, 1);
    Randomiser fresh;
    std::vector<std::wstring> words = wordsOf(L"rematch");
    EXPECT_TRUE(parseCommandLine(fresh, words));
    EXPECT_EQ(fresh.options().repost_only, 1);
}

TEST_F(CommandLine, RefusesAnUnknownWord) {
    EXPECT_FALSE(parse(L"Foo validate"));
    EXPECT_EQ(debugLogText(), "Error Args? - foo\n");
    std::remove("debug.txt");
    EXPECT_FALSE(parse(L"caf\x00E9\x0416"));  // the log is UTF-8
    EXPECT_EQ(debugLogText(), "Error Args? - caf\xC3\xA9\xD0\x96\n");
    std::remove("debug.txt");
    EXPECT_FALSE(parse(std::wstring(400, L'w')));
    EXPECT_EQ(debugLogText(), "Error Args? - " + std::string(259, 'w') + "\n");
}

// "result N" records a result instead of a match: it loads no data (so a
// missing PlayerData.txt is no matter) and takes no other word.
TEST_F(CommandLine, ResultTakesOneNumberAndNoOtherWord) {
    std::remove("PlayerData.txt");
    EXPECT_TRUE(asksForResult(wordsOf(L"Result 2")));  // before the parse lower-cases the words
    EXPECT_TRUE(parse(L"Result 2"));
    EXPECT_EQ(options.record_result, '2');
    EXPECT_EQ(debugLogText(), "");
    EXPECT_FALSE(asksForResult(wordsOf(L"rating handicap")));
    EXPECT_FALSE(asksForResult({L"result", L"rating"})) << "word 0 is the program's path";
    for (const wchar_t* line :
         {L"result", L"result 5", L"result 12", L"result -", L"result 2 rating", L"rating result 2"}) {
        Randomiser fresh;
        std::vector<std::wstring> words = wordsOf(line);
        EXPECT_TRUE(asksForResult(words)) << "a run that records nothing but says why";
        EXPECT_FALSE(parseCommandLine(fresh, words)) << std::string(line, line + std::wcslen(line));
        EXPECT_EQ(fresh.options().record_result, '\0');
    }
    EXPECT_NE(debugLogText().find("result takes one number, 0 (not rated) or the winning team 1 to 4, and no other "
                                  "word - Passed ~ rating result 2\n"),
              std::string::npos);
}

TEST_F(CommandLine, FailsWhenTheDataFailsToLoad) {
    std::remove("PlayerData.txt");
    EXPECT_FALSE(parse(L"handicap"));
    EXPECT_EQ(options.handicap, 0);
}

TEST_F(CommandLine, ReadsPositionFlags) {
    struct Case {
        const wchar_t* line;
        uint8_t flags[8];
    };
    const Case cases[] = {
        {L"reflective 1 0 1", {1, 0, 1, 0, 0, 0, 0, 0}},
        {L"reflective -1", {1, 1, 1, 1, 1, 1, 1, 1}},
        {L"reflective -1 0 0", {1, 0, 0, 1, 1, 1, 1, 1}},
        {L"reflective 0 1 1 1 1 1 1 1 handicap", {0, 1, 1, 1, 1, 1, 1, 1}},
        {L"reflective 5 2x", {1, 1, 0, 0, 0, 0, 0, 0}},
        {L"reflective handicap", {0, 0, 0, 0, 0, 0, 0, 0}},
        {L"reflective -1 reflective 0 0", {0, 0, 1, 1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        Randomiser fresh;
        std::vector<std::wstring> words = wordsOf(c.line);
        ASSERT_TRUE(parseCommandLine(fresh, words)) << c.line;
        std::wstring repeatLine = c.line;
        for (size_t at = repeatLine.find(L"reflective"); at != std::wstring::npos; at = repeatLine.find(L"reflective"))
            repeatLine.replace(at, 10, L"repeat");
        for (int i = 0; i < 8; ++i) EXPECT_EQ(fresh.options().reflective[i], c.flags[i]) << c.line << " " << i;
        // "repeat" reads its words the same way into the repeat flags.
        Randomiser other;
        std::vector<std::wstring> repeatWords = wordsOf(repeatLine);
        ASSERT_TRUE(parseCommandLine(other, repeatWords));
        for (int i = 0; i < 8; ++i) EXPECT_EQ(other.options().repeat_enemy[i], c.flags[i]) << repeatLine << " " << i;
    }
}

TEST_F(CommandLine, DrawsRandomFlagsAfterTheMap) {
    ASSERT_TRUE(parse(L"reflective_random repeat_random", 77));
    std::vector<int> draws = drawsAfterTheMap(77, 16);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(options.reflective[i], draws[i] % 2);
        EXPECT_EQ(options.repeat_enemy[i], draws[8 + i] % 2);
    }
}

TEST_F(CommandLine, ReadsTheSingleTier) {
    ASSERT_TRUE(parse(L"single_tier 3"));
    EXPECT_EQ(options.single_tier, 1);
    EXPECT_EQ(options.single_tier_value, 3);
    for (const wchar_t* line : {L"single_tier", L"single_tier -1", L"single_tier handicap"}) {
        Randomiser fresh;
        std::vector<std::wstring> words = wordsOf(line);
        crtSrand(123);
        ASSERT_TRUE(parseCommandLine(fresh, words));
        EXPECT_EQ(fresh.options().single_tier_value, 1 + drawsAfterTheMap(123, 1)[0] % 4) << line;
    }
    EXPECT_EQ(options.handicap, 0);
    ASSERT_TRUE(parse(L"single_tier handicap"));
    EXPECT_EQ(options.handicap, 1);
    ASSERT_TRUE(parse(L"single_tier 9"));  // kept as given; the civilisation draw treats it as empty
    EXPECT_EQ(options.single_tier_value, 9);
}

TEST_F(CommandLine, ReadsTheTierRange) {
    ASSERT_TRUE(parse(L"limited_civ_tier_range handicap"));
    EXPECT_EQ(options.handicap, 0);
    EXPECT_EQ(options.tier_range_low + options.tier_range_mid + options.tier_range_high, 0);
    ASSERT_TRUE(parse(L"limited_civ_tier_range 0 limited_civ_tier_range 2 limited_civ_tier_range 7"));
    EXPECT_EQ(options.tier_range_low, 1);
    EXPECT_EQ(options.tier_range_mid, 0);
    EXPECT_EQ(options.tier_range_high, 1);
    ASSERT_TRUE(parse(L"limited_civ_tier_range"));
    Randomiser drawn;
    std::vector<std::wstring> words = wordsOf(L"limited_civ_tier_range -1");
    crtSrand(9);
    ASSERT_TRUE(parseCommandLine(drawn, words));
    int value = drawsAfterTheMap(9, 1)[0] % 3;
    EXPECT_EQ(drawn.options().tier_range_low, value == 0);
    EXPECT_EQ(drawn.options().tier_range_mid, value == 1);
    EXPECT_EQ(drawn.options().tier_range_high, value == 2);
}

TEST_F(CommandLine, ReadsNumbersAfterOptions) {
    ASSERT_TRUE(parse(L"reshape 2 score_combo 3 repeat_combo 5 rules ./Rules/Fast.txt"));
    EXPECT_EQ(options.reshape, 1);
    EXPECT_EQ(options.reshape_amount, 2);
    EXPECT_EQ(options.score_combo, 3);
    EXPECT_EQ(options.repeat_combo, 5);
    EXPECT_EQ(std::wstring(options.usual_rules_path), L"./rules/fast.txt");

    ASSERT_TRUE(parse(L"reshape"));  // at the end the amount keeps its value
    EXPECT_EQ(options.reshape_amount, 2);
    ASSERT_TRUE(parse(L"reshape handicap score_combo handicap repeat_combo"));
    EXPECT_EQ(options.reshape_amount, 0);
    EXPECT_EQ(options.score_combo, 3);
    EXPECT_EQ(options.repeat_combo, 5);
    ASSERT_TRUE(parse(L"rules"));
    EXPECT_EQ(std::wstring(options.usual_rules_path), L"./rules/fast.txt");

    EXPECT_FALSE(parse(L"repeat_combo foo"));
    EXPECT_EQ(options.repeat_combo, 8);
    EXPECT_EQ(debugLogText(), "Error Args? - foo\n");
}

TEST_F(CommandLine, LearnedRatingsHasTheRatingsRead) {
    ASSERT_TRUE(parse(L"handicap Learned_Ratings"));
    EXPECT_EQ(options.learned_ratings, 1);
    EXPECT_EQ(options.use_ratings, 1);  // the learned ratings start from the file's
}

TEST_F(CommandLine, ReadsFairTeamsWithItsMargin) {
    ASSERT_TRUE(parse(L"Fair_Teams"));
    EXPECT_EQ(options.fair_teams, 1);
    EXPECT_EQ(options.fair_margin, 25);
    EXPECT_EQ(options.use_ratings, 1);  // the loader reads the ratings for it

    ASSERT_TRUE(parse(L"fair_teams 40 handicap"));
    EXPECT_EQ(options.fair_margin, 40);
    EXPECT_EQ(options.handicap, 1);
    ASSERT_TRUE(parse(L"fair_teams 7abc"));
    EXPECT_EQ(options.fair_margin, 7);
    ASSERT_TRUE(parse(L"fair_teams 0"));
    EXPECT_EQ(options.fair_margin, 0);
    ASSERT_TRUE(parse(L"fair_teams 60 fair_teams team_random"));  // a later word sets the default again
    EXPECT_EQ(options.fair_margin, 25);
    EXPECT_EQ(options.team_random, 1);

    EXPECT_FALSE(parse(L"fair_teams -5"));  // not a digit word: read as the next option
    EXPECT_EQ(options.fair_margin, 25);
    EXPECT_EQ(debugLogText(), "Error Args? - -5\n");
}

TEST_F(CommandLine, FairTeamsAfterValidateStillReadsTheRatings) {
    ASSERT_TRUE(parse(L"validate fair_teams"));
    EXPECT_EQ(options.use_ratings, 1);
    EXPECT_EQ(options.fair_teams, 0);
}

TEST_F(CommandLine, ReadsTierRatios) {
    struct Case {
        const wchar_t* line;
        int ratios[4];
    };
    const Case cases[] = {
        {L"varied_tier_ratios 3 2", {3, 2, 1, 1}},
        {L"varied_tier_ratios 0 0 0 5 handicap", {0, 0, 0, 5}},
        {L"varied_tier_ratios 4 4 4 4 varied_tier_ratios 2 handicap", {2, 1, 1, 1}},
        {L"varied_tier_ratios 4 4 4 4 varied_tier_ratios 2", {2, 4, 4, 4}},
        {L"varied_tier_ratios 7 8 9 6 5", {7, 8, 9, 6}},
    };
    for (const Case& c : cases) {
        Randomiser fresh;
        std::vector<std::wstring> words = wordsOf(c.line);
        bool ok = parseCommandLine(fresh, words);
        EXPECT_EQ(ok, std::wstring(c.line).back() != L'5') << c.line;  // a lone 5 is no option
        EXPECT_EQ(fresh.options().varied_tier_ratios, 1);
        EXPECT_EQ(fresh.options().civ_cycle, 1);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(fresh.options().tier_ratios[i], c.ratios[i]) << c.line << " " << i;
    }
}

TEST_F(CommandLine, RemovesRecordsByNameWhateverTheCaseOfAToZ) {
    // The table holds 'alpha' before 'Alpha': each name removes the first record it names.
    ASSERT_TRUE(parse(L"remove civ alpha beta handicap"));
    const std::vector<CivRecord>& civs = randomiser.game.civ_table;
    ASSERT_EQ(civs.size(), 4u);
    EXPECT_EQ(std::wstring(civs[0].name), L"Oak");
    EXPECT_EQ(std::wstring(civs[1].name), L"Reed");
    EXPECT_EQ(std::wstring(civs[2].name), L"Alpha");
    EXPECT_EQ(civs[2].tier, 1);
    EXPECT_EQ(options.handicap, 1);

    ASSERT_TRUE(parse(L"remove civ ALPHA Alpha REED"));  // stored capitals match too
    ASSERT_EQ(civs.size(), 3u);
    EXPECT_EQ(std::wstring(civs[0].name), L"Oak");
    EXPECT_EQ(std::wstring(civs[1].name), L"beta");
    EXPECT_EQ(std::wstring(civs[2].name), L"Flint");

    ASSERT_TRUE(parse(L"remove map DUNE"));
    const std::vector<MapRecord>& maps = randomiser.game.map_table;
    ASSERT_EQ(maps.size(), 2u);
    EXPECT_EQ(std::wstring(maps[1].name), L"Crag");
    EXPECT_EQ(maps[1].ratio, 3);

    ASSERT_TRUE(parse(L"remove rule ./Rules/Fast.txt"));
    EXPECT_EQ(randomiser.game.rule_table.size(), 1u);

    EXPECT_TRUE(parse(L"remove"));
    EXPECT_TRUE(parse(L"remove map"));
    ASSERT_TRUE(parse(L"remove handicap"));
    EXPECT_EQ(randomiser.game.map_table.size(), 3u);
}

// The maps weigh Fen 1, dune 2, Crag 3. A run that keeps its drawn map draws
// nothing more; one that removes it draws again from Fen 1 and Crag 3.
TEST_F(CommandLine, RemovingTheDrawnMapDrawsTheMatchMapAgainFromTheRest) {
    int kept = 0, redrawn = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        Randomiser plain;
        std::vector<std::wstring> words = wordsOf(L"");
        crtSrand(seed);
        ASSERT_TRUE(parseCommandLine(plain, words));
        const std::wstring drawn = plain.current.map_name;
        const int nextDraw = crtRand();

        ASSERT_TRUE(parse(L"remove map dune", seed));
        const std::wstring now = randomiser.current.map_name;
        if (drawn != L"dune") {
            ++kept;
            EXPECT_EQ(now, drawn) << seed;
            EXPECT_EQ(crtRand(), nextDraw) << "no draw more, seed " << seed;
        } else {
            ++redrawn;
            EXPECT_EQ(now, nextDraw % 4 < 1 ? L"Fen" : L"Crag") << seed;
        }
    }
    EXPECT_GT(kept, 0);
    EXPECT_GT(redrawn, 0);
}

TEST_F(CommandLine, RefusesANameThatIsNotInTheTable) {
    struct Case {
        const wchar_t* line;
        std::string log;
    };
    const Case cases[] = {
        {L"remove civ Vintari", "Nothing to remove named vintari\n"},
        {L"remove civ oak Vintari handicap", "Nothing to remove named vintari\n"},
        {L"remove map du", "Nothing to remove named du\n"},  // the beginning of a name is no name
        {L"remove map dunes", "Nothing to remove named dunes\n"},
        {L"remove rule 3", "Nothing to remove named 3\n"},
        {L"remove map fen dune crag", "No map is left to draw after remove map\n"},
    };
    for (const Case& c : cases) {
        std::remove("debug.txt");
        Randomiser fresh;
        std::vector<std::wstring> words = wordsOf(c.line);
        EXPECT_FALSE(parseCommandLine(fresh, words)) << c.line;
        EXPECT_EQ(debugLogText(), c.log) << c.line;
    }
}

TEST_F(CommandLine, TypingWordsCountWhereverTheyStand) {
    ASSERT_TRUE(parse(L"rating REAL_KEYS line_pause 1100 open_chat line_cap 65 compact handicap"));
    EXPECT_EQ(options.line_cap, 65);
    EXPECT_EQ(options.compact, 1);
    EXPECT_EQ(options.real_keys, 1);
    EXPECT_EQ(options.open_chat, 1);
    EXPECT_EQ(options.line_pause_ms, 1100);
    EXPECT_EQ(options.handicap, 1) << "line_pause took only its value";
    Randomiser fresh;
    std::vector<std::wstring> words = wordsOf(L"repost real_keys line_pause 60000");
    ASSERT_TRUE(parseCommandLine(fresh, words));
    EXPECT_EQ(fresh.options().real_keys, 1) << "after repost too, where no other word counts";
    EXPECT_EQ(fresh.options().line_pause_ms, 60000);
}

// A word's value is its own, whatever it reads like: in a folder with rule
// texts saved under the names of words, "rules NAME" names the rule text and
// sets nothing else, in the pass before the data loads too.
TEST_F(CommandLine, ARuleTextNamedLikeAWordIsTheRuleText) {
    for (const wchar_t* name : {L"rating", L"line_cap", L"script", L"result"}) {
        writeFile(std::string(name, name + std::wcslen(name)), files.usual_rules);
        std::remove("debug.txt");
        Randomiser fresh;
        std::vector<std::wstring> words = wordsOf(std::wstring(L"rules ") + name);
        EXPECT_TRUE(parseCommandLine(fresh, words)) << debugLogText();
        EXPECT_EQ(std::wstring(fresh.options().usual_rules_path), name);
        EXPECT_EQ(fresh.options().use_ratings, 0) << "the report would say Ratings Based";
        EXPECT_EQ(fresh.options().record_result, '\0');
        EXPECT_EQ(debugLogText(), "");
    }
}

TEST_F(CommandLine, RefusesALinePauseOutOfRange) {
    for (const wchar_t* value : {L"60001", L"-1", L"1e3", L"rating", L"99999999999"}) {
        std::remove("debug.txt");
        Randomiser fresh;
        std::vector<std::wstring> words = wordsOf(std::wstring(L"line_pause ") + value);
        EXPECT_FALSE(parseCommandLine(fresh, words)) << value;
        EXPECT_EQ(debugLogText(), "line_pause needs a number of milliseconds from 0 to 60000 - Passed ~ " +
                                      std::string(value, value + std::wcslen(value)) + "\n");
    }
    Randomiser fresh;
    std::vector<std::wstring> words = wordsOf(L"line_pause");
    EXPECT_FALSE(parseCommandLine(fresh, words)) << "no value at all";
    for (const wchar_t* value : {L"19", L"1001"}) {
        std::remove("debug.txt");
        Randomiser capped;
        std::vector<std::wstring> capWords = wordsOf(std::wstring(L"line_cap ") + value);
        EXPECT_FALSE(parseCommandLine(capped, capWords)) << value;
        EXPECT_EQ(debugLogText(), "line_cap needs a number of characters from 20 to 1000 - Passed ~ " +
                                      std::string(value, value + std::wcslen(value)) + "\n");
    }
}

// "seed_word WORD" starts the generator again from the word's seed, whatever
// the clock gave, before the map is drawn; the word keeps its case, and a
// word that would not stand whole in the seed line, or none, is refused.
TEST_F(CommandLine, SeedWordGivesTheSeedAndKeepsItsCase) {
    ASSERT_TRUE(parse(L"seed_word Pancake HANDICAP", 5));
    const int afterWord = crtRand();
    EXPECT_EQ(randomiser.seed_word, L"Pancake");
    EXPECT_EQ(randomiser.seed, wordSeed("Pancake"));
    EXPECT_EQ(options.handicap, 1) << "seed_word took only its value";
    Randomiser clockSeeded;
    std::vector<std::wstring> plain = wordsOf(L"handicap");
    crtSrand(static_cast<uint32_t>(wordSeed("Pancake")));
    ASSERT_TRUE(parseCommandLine(clockSeeded, plain));
    EXPECT_EQ(crtRand(), afterWord) << "the same draws as from the word's seed";
    EXPECT_EQ(clockSeeded.seed_word, L"");

    Randomiser named;
    std::vector<std::wstring> ruleWords = wordsOf(L"rules SEED_WORD");
    ASSERT_TRUE(parseCommandLine(named, ruleWords));
    EXPECT_EQ(std::wstring(named.options().usual_rules_path), L"seed_word") << "a value that reads like the word";
    EXPECT_EQ(named.seed_word, L"");

    const struct {
        std::vector<std::wstring> values;
        std::string passed;
    } refused[] = {{{}, "nothing"}, {{L""}, ""}, {{std::wstring(41, L'w')}, std::string(41, 'w')}};
    for (const auto& c : refused) {
        std::remove("debug.txt");
        Randomiser fresh;
        std::vector<std::wstring> words = wordsOf(L"seed_word");
        words.insert(words.end(), c.values.begin(), c.values.end());
        EXPECT_FALSE(parseCommandLine(fresh, words)) << c.passed;
        EXPECT_EQ(debugLogText(), "seed_word needs a word of 1 to 40 characters - Passed ~ " + c.passed + "\n");
    }
}

TEST_F(CommandLine, LowerCasesOnlyTheLettersAToZ) {
    std::vector<std::wstring> words = wordsOf(L"HandiCAP");
    words.push_back(L"VALIDATE");
    words.push_back(L"\x00C9X");
    ASSERT_TRUE(parseCommandLine(randomiser, words));
    EXPECT_EQ(words[0], L"c:\\games\\brenlow_sortilane.exe");
    EXPECT_EQ(words[1], L"handicap");
    EXPECT_EQ(words[3], L"\x00C9x");
}

// The list of option words that the guide is checked against is the list the
// parser accepts: every listed word parses on its own, each is listed once, and
// a word that only looks like one is refused.
TEST_F(CommandLine, ListsExactlyTheWordsItAccepts) {
    std::vector<std::wstring> words = optionWords();
    ASSERT_FALSE(words.empty());
    for (size_t i = 0; i < words.size(); ++i) {
        // The number words need their value, script its kind, seed_word its word.
        const std::wstring line = words[i] == L"line_pause"  ? L"line_pause 0"
                                  : words[i] == L"line_cap"  ? L"line_cap 65"
                                  : words[i] == L"script"    ? L"script civs"
                                  : words[i] == L"result"    ? L"result 0"
                                  : words[i] == L"seed_word" ? L"seed_word pancake"
                                                             : words[i];
        EXPECT_TRUE(parse(line)) << std::string(words[i].begin(), words[i].end());
        for (size_t j = i + 1; j < words.size(); ++j) EXPECT_NE(words[i], words[j]);
    }
    EXPECT_FALSE(parse(L"handicaps"));
    EXPECT_FALSE(parse(L"omit_civ"));
}

}  // namespace
