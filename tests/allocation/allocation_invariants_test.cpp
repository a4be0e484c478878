// Whole start-up runs over generated data files and option lines drawn from
// every option word: each run ends and its result keeps the rules of teams,
// tiers, civilisations and report lines.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sstream>

#include "common/text_convert.h"
#include "randomiser/startup/match_from_words.h"
#include "support/allocation_checks.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

struct GeneratedData {
    int players = 0;
    int teams = 0;
    bool civs_plentiful = true;  // every non-empty tier holds at least 8 civilisations
    std::vector<std::string> civ_names;
};

GeneratedData writeData(std::mt19937& gen) {
    const int shapes[][2] = {{2, 2}, {4, 2}, {6, 2}, {8, 2}, {3, 3}, {6, 3}, {4, 4}, {8, 4}};
    const auto& shape = shapes[gen() % 8];
    GeneratedData data;
    data.players = shape[0];
    data.teams = shape[1];
    std::ostringstream players;
    players << "player_num {" << data.players << "} team_num {" << data.teams << "}\nplayer_name {";
    for (int p = 0; p < data.players; ++p) players << " 'name" << p << "'";
    players << " }\nplayer_rating {";
    bool unrated = gen() % 6 == 0;
    for (int p = 0; p < data.players; ++p) players << ' ' << (unrated && gen() % 2 ? -1 : 1100 + int(gen() % 800));
    players << " }\nplayer_fmt_group {";
    int grouping = gen() % 3;  // none, a few, many
    for (int p = 0; p < data.players; ++p)
        players << ' ' << (grouping == 0 || gen() % 3 != 0 ? 0 : 1 + int(gen() % (grouping * 2)));
    players << " }\n";
    writeFile("PlayerData.txt", players.str());

    std::ostringstream names, tiers, eco, military, impact;
    int count = 0;
    bool anyTier = false;
    for (int tier = 0; tier <= 5; ++tier) {
        bool inRange = tier >= 1 && tier <= 4;
        int civs = gen() % 4 == 0 ? 0 : (gen() % 5 == 0 ? 1 + int(gen() % 3) : 8 + int(gen() % 3));
        if (!inRange) civs = gen() % 2;
        if (inRange && civs > 0) anyTier = true;
        if (tier == 4 && !anyTier) civs = 8;
        if (inRange && civs > 0 && civs < 8) data.civs_plentiful = false;
        for (int i = 0; i < civs; ++i, ++count) {
            std::string name = (count == 0 || gen() % 2 ? "civ" : "Civ") + std::to_string(count) +
                               (gen() % 3 == 0 ? "longername" : "");
            data.civ_names.push_back(name);
            names << " '" << name << "'";
            tiers << ' ' << tier;
            eco << ' ' << 1 + gen() % 5;
            military << ' ' << 1 + gen() % 5;
            impact << ' ' << 1 + gen() % 5;
        }
    }
    std::ostringstream civ;
    civ << "civ_num {" << count << "}\nciv_name {" << names.str() << " }\nciv_tier {" << tiers.str() << " }\nciv_eco {"
        << eco.str() << " }\nciv_military {" << military.str() << " }\nciv_impact {" << impact.str() << " }\n";
    writeFile("Scripts/Civ_Details.txt", civ.str());
    writeFile("Scripts/Map_Details.txt", "map_num {2} map_ratios {3 1} map_name {'Fen' 'Crag'}\n");
    writeFile("Scripts/Rule_Details.txt", "rule_num {1} rule_ratios {1} rule_path {'Usual'}\n");
    return data;
}

std::wstring wordOf(const std::string& text) { return std::wstring(text.begin(), text.end()); }

bool contains(const std::vector<std::wstring>& words, const wchar_t* word) {
    for (const std::wstring& w : words) {
        if (w == word) return true;
    }
    return false;
}

// A line of option words, each option at most once or twice, values drawn
// from what the options read (with some odd ones).
std::vector<std::wstring> optionLine(std::mt19937& gen, const GeneratedData& data) {
    std::vector<std::wstring> words = {L"Brenlow_Sortilane.exe"};
    auto number = [&](int low, int high) { return wordOf(std::to_string(low + int(gen() % (high - low + 1)))); };
    const int optionCount = 21;
    int picks = gen() % 7;
    for (int i = 0; i < picks; ++i) {
        switch (gen() % optionCount) {
            case 0: words.push_back(L"rating"); break;
            case 1: words.push_back(L"handicap"); break;
            case 2: words.push_back(L"fmt_uncounter"); break;
            case 3: words.insert(words.end(), {L"limited_civ_tier_range", number(-1, 3)}); break;
            case 4:
                words.push_back(L"reshape");
                if (gen() % 2) words.push_back(number(0, 6));
                break;
            case 5:
                words.push_back(L"reflective");
                for (int n = gen() % 9; n > 0; --n) words.push_back(number(0, 1));
                break;
            case 6: words.push_back(L"reflective_random"); break;
            case 7:
                words.push_back(L"repeat");
                for (int n = gen() % 9; n > 0; --n) words.push_back(number(0, 1));
                break;
            case 8: words.push_back(L"repeat_random"); break;
            case 9: words.insert(words.end(), {L"repeat_combo", number(0, 3)}); break;
            case 10: words.push_back(L"repeat_same_team"); break;
            case 11:
                words.push_back(L"single_tier");
                if (gen() % 2) words.push_back(number(-1, 5));
                break;
            case 12: words.push_back(L"team_random"); break;
            case 13:
                words.push_back(L"varied_tier_ratios");
                for (int n = gen() % 5; n > 0; --n) words.push_back(number(0, 4));
                break;
            case 14: words.push_back(L"reflective_tiers"); break;
            case 15: words.insert(words.end(), {L"score_combo", number(0, 5)}); break;
            case 16: words.push_back(L"civ_cycle"); break;
            case 17: words.push_back(gen() % 10 == 0 ? L"omit_civs" : L"rating"); break;
            case 18:
                if (data.civ_names.size() > 1 && !contains(words, L"remove"))
                    words.insert(words.end(), {L"remove", L"civ", wordOf(data.civ_names[0])});
                break;
            case 19: words.insert(words.end(), {L"rules", L"./rules/other.txt"}); break;
            default: words.push_back(gen() % 10 != 0 ? L"handicap" : gen() % 2 ? L"validate" : L"rematch"); break;
        }
    }
    return words;
}

void checkRun(const Randomiser& r, const std::vector<std::wstring>& words, const GeneratedData& data,
              const std::string& where) {
    const OptionSet& o = r.options();
    const PlayerTable& pl = r.players;
    if (o.validate_only || o.repost_only) {
        EXPECT_EQ(r.report.report_line_count, 0) << where;
        return;
    }
    SCOPED_TRACE(where);
    expectEqualTeams(r);
    expectGroupsTogether(r);  // friends share a team unless a unit of them was halved
    // Report lines fit and table rows are 56 characters.
    std::vector<std::string> lines = reportLines(r);
    ASSERT_GE(lines.size(), static_cast<size_t>(pl.player_count + 2)) << where;
    for (const std::string& line : lines) EXPECT_LE(line.size(), 79u) << where;
    for (size_t i = lines.size() - pl.player_count - 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 56u) << where;

    // A run whose draw was not refused gave every player a civilisation of the
    // table and a tier, civilisation 0 of tier 0 included.
    if (o.omit_civs || r.civ_draw.civs_not_drawn) return;
    for (int p = 0; p < pl.player_count; ++p) {
        ASSERT_GE(pl.player_civs[p], 0) << where;
        ASSERT_LT(pl.player_civs[p], static_cast<int>(r.game.civ_table.size())) << where;
        ASSERT_GE(pl.player_tiers[p], 0) << where;
        ASSERT_LE(pl.player_tiers[p], 3) << where;
    }
    bool reflectiveFlag = false;
    bool repeatFlag = false;
    for (int p = 0; p < pl.player_count; ++p) {
        reflectiveFlag = reflectiveFlag || o.reflective[p];
        repeatFlag = repeatFlag || r.civ_draw.repeat_enemy[p];
    }
    bool handicapRan = r.civ_draw.handicap && o.use_ratings;
    if (!handicapRan && !o.team_random && !reflectiveFlag) {
        for (int t = 2; t <= pl.team_count; ++t) EXPECT_EQ(tiersOfTeam(r, t), tiersOfTeam(r, 1)) << where;
    }
    // Repeats come only from the repeat options and from the guards. With at
    // least 8 civilisations in every tier used, only a handicap redraw (whose
    // shifted earlier entries can hold every place of a tier) needs a guard.
    if (data.civs_plentiful && !handicapRan && !o.team_random && !reflectiveFlag && !repeatFlag &&
        !o.repeat_same_team && !contains(words, L"remove")) {
        std::set<int> civs(pl.player_civs, pl.player_civs + pl.player_count);
        EXPECT_EQ(static_cast<int>(civs.size()), pl.player_count) << where;
    }
}

TEST(AllocationInvariants, GeneratedDataAndOptionLines) {
    TempFolder folder;
    // What "validate" and "rematch" look for: the rule texts and a saved report.
    for (const char* name : {"Usual", "Rules/Usual.txt", "Rules/other.txt", "data.txt"}) writeFile(name, "x\r\n");
    std::mt19937 gen(20261207);
    for (int dataSet = 0; dataSet < 400; ++dataSet) {
        GeneratedData data = writeData(gen);
        for (int line = 0; line < 10; ++line) {
            std::vector<std::wstring> words = optionLine(gen, data);
            std::vector<std::wstring> shown = words;
            int64_t seed = 1400000000 + gen() % 100000000;
            Randomiser r;
            ASSERT_TRUE(computeMatch(r, seed, words)) << debugLogText();
            std::string where = "data " + std::to_string(dataSet) + " seed " + std::to_string(seed) + ":";
            for (size_t i = 1; i < shown.size(); ++i) where += " " + toUtf8(shown[i]);
            checkRun(r, words, data, where);
        }
    }
}

TEST(AllocationInvariants, SameSeedAndWordsGiveTheSameReport) {
    TempFolder folder;
    std::mt19937 gen(7);
    for (int dataSet = 0; dataSet < 50; ++dataSet) {
        GeneratedData data = writeData(gen);
        std::vector<std::wstring> words = optionLine(gen, data);
        std::vector<std::wstring> again = words;
        Randomiser first;
        Randomiser second;
        ASSERT_TRUE(computeMatch(first, 1412622073 + dataSet, words)) << debugLogText();
        ASSERT_TRUE(computeMatch(second, 1412622073 + dataSet, again));
        EXPECT_EQ(reportLines(first), reportLines(second));
    }
}

}  // namespace
