#include "randomiser/startup/command_line.h"

#include <cwchar>

#include "common/bounded_copy.h"
#include "common/crt_random.h"
#include "common/debug_log.h"
#include "common/number_read.h"
#include "common/text_convert.h"
#include "randomiser/startup/game_data_loader.h"
#include "randomiser/state/weighted_draw.h"

namespace {

// Lower-cases A to Z only, as the runtime does in its default locale.
void lowerCase(std::wstring& word) {
    for (wchar_t& c : word) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
}

bool isDigitWord(const std::wstring& word) { return !word.empty() && word[0] >= L'0' && word[0] <= L'9'; }
bool isSignedWord(const std::wstring& word) { return isDigitWord(word) || (!word.empty() && word[0] == L'-'); }
int wordValue(const std::wstring& word) { return readLeadingInt(word.c_str()); }

void resetPlayerTable(PlayerTable& players) {
    for (int i = 0; i < kPlayerSlots; ++i) {
        std::swprintf(players.player_names[i], kPlayerNameUnits, L"Player %i", i);
        players.player_ratings[i] = -1;
        players.player_teams[i] = 0;
        players.player_civs[i] = 0;
        players.player_tiers[i] = 0;
    }
}

// The words with a read position; pass 2 walks them once from word 1.
struct WordCursor {
    std::vector<std::wstring>& words;
    size_t next;

    bool hasNext() const { return next < words.size(); }
    const std::wstring& peek() const { return words[next]; }
    const std::wstring& take() { return words[next++]; }
};

wchar_t* scriptPathFor(OptionSet& options, const std::wstring& kind) {
    if (kind == L"civs") return options.civ_script_path;
    if (kind == L"map") return options.map_script_path;
    if (kind == L"rules") return options.rule_script_path;
    return nullptr;
}

// A number word for "line_pause N" (milliseconds, 0 to 60000) or
// "line_cap N" (characters, 20 to 1000): true with the value; false, with a
// debug line, for anything else.
bool readNumberWord(const std::vector<std::wstring>& words, size_t valueAt, int32_t low, int32_t high, const char* what,
                    int32_t& value) {
    const bool given = valueAt < words.size() && isDigitWord(words[valueAt]) && words[valueAt].size() <= 5 &&
                       words[valueAt].find_first_not_of(L"0123456789") == std::wstring::npos &&
                       wordValue(words[valueAt]) >= low && wordValue(words[valueAt]) <= high;
    if (given) {
        value = wordValue(words[valueAt]);
        return true;
    }
    const std::wstring got = valueAt < words.size() ? firstChars(words[valueAt], kPathUnits - 1) : L"nothing";
    debugLog("%s - Passed ~ %s", what, toUtf8(got).c_str());
    return false;
}

// "script" is followed by a word that is none of its three kinds (a
// misspelling such as "civ"), or by none: the word is named.
bool refuseScriptKind(const std::vector<std::wstring>& words, size_t kindAt) {
    const std::wstring got = kindAt < words.size() ? firstChars(words[kindAt], kPathUnits - 1) : L"nothing";
    debugLog("script needs civs, map or rules before its file - Passed ~ %s", toUtf8(got).c_str());
    return false;
}

// Pass 1: script paths and "rating", which the loader needs; "fair_teams"
// balances on the ratings and "learned_ratings" starts from them, so both
// have them read too. The words of how to type
// are read here as well, so that they count wherever they stand, before
// "repost" and "rematch" too. False when "line_pause" or "line_cap" has no
// valid value or "script" no kind word.
bool readLoaderOptions(OptionSet& options, std::vector<std::wstring>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == L"real_keys") {
            options.real_keys = 1;
        } else if (words[i] == L"open_chat") {
            options.open_chat = 1;
        } else if (words[i] == L"line_pause") {
            if (!readNumberWord(words, ++i, 0, kLinePauseLimitMs,
                                "line_pause needs a number of milliseconds from 0 to 60000", options.line_pause_ms))
                return false;
        } else if (words[i] == L"line_cap") {
            if (!readNumberWord(words, ++i, kMinLineCap, kMaxLineCap,
                                "line_cap needs a number of characters from 20 to 1000", options.line_cap))
                return false;
        } else if (words[i] == L"compact") {
            options.compact = 1;
        } else if (words[i] == L"rating" || words[i] == L"fair_teams" || words[i] == L"learned_ratings") {
            options.use_ratings = 1;
        } else if (words[i] == L"script") {
            wchar_t* path = ++i < words.size() ? scriptPathFor(options, words[i]) : nullptr;
            if (path == nullptr) return refuseScriptKind(words, i);
            if (i + 1 < words.size()) boundedCopy(path, kPathUnits, words[++i].c_str());
        }
    }
    return true;
}

// "reflective" and "repeat": a signed word sets position 0 (-1 sets all
// eight), then digit words set positions 1 to 7 in turn.
void readPositionFlags(WordCursor& cursor, uint8_t (&flags)[kPlayerSlots]) {
    if (!cursor.hasNext() || !isSignedWord(cursor.peek())) return;
    int first = wordValue(cursor.take());
    if (first == -1) {
        for (uint8_t& flag : flags) flag = 1;
    } else {
        flags[0] = first != 0;
    }
    for (int position = 1; position < kPlayerSlots && cursor.hasNext() && isDigitWord(cursor.peek()); ++position)
        flags[position] = wordValue(cursor.take()) != 0;
}

void drawPositionFlags(uint8_t (&flags)[kPlayerSlots]) {
    for (uint8_t& flag : flags) flag = crtRand() % 2;
}

void readTierRange(WordCursor& cursor, OptionSet& options) {
    if (!cursor.hasNext()) return;
    const std::wstring& word = cursor.take();
    if (!isSignedWord(word)) return;
    int value = wordValue(word);
    if (value == -1) value = crtRand() % 3;
    if (value == 0) options.tier_range_low = 1;
    if (value == 1) options.tier_range_mid = 1;
    if (value == 2) options.tier_range_high = 1;
}

void readReshape(WordCursor& cursor, OptionSet& options) {
    options.reshape = 1;
    if (!cursor.hasNext()) return;
    options.reshape_amount = isDigitWord(cursor.peek()) ? wordValue(cursor.take()) : 0;
}

void readRepeatCombo(WordCursor& cursor, OptionSet& options) {
    if (!cursor.hasNext()) return;
    options.repeat_combo = isDigitWord(cursor.peek()) ? wordValue(cursor.take()) : 8;
}

void readSingleTier(WordCursor& cursor, OptionSet& options) {
    options.single_tier = 1;
    int value = -1;
    if (cursor.hasNext() && isSignedWord(cursor.peek())) value = wordValue(cursor.take());
    options.single_tier_value = value == -1 ? 1 + crtRand() % 4 : value;
}

void readTierRatios(WordCursor& cursor, OptionSet& options) {
    options.varied_tier_ratios = 1;
    options.civ_cycle = 1;
    for (int tier = 0; tier < 4 && cursor.hasNext(); ++tier) {
        if (!isDigitWord(cursor.peek())) {
            for (int rest = tier; rest < 4; ++rest) options.tier_ratios[rest] = 1;
            return;
        }
        options.tier_ratios[tier] = wordValue(cursor.take());
    }
}

// "fair_teams", with the margin from a following digit word or the default.
void readFairTeams(WordCursor& cursor, OptionSet& options) {
    options.fair_teams = 1;
    bool given = cursor.hasNext() && isDigitWord(cursor.peek());
    options.fair_margin = given ? wordValue(cursor.take()) : kDefaultFairMargin;
}

// Whether the name is the word when the letters A to Z are compared without
// case (the word is lower-cased already; stored names keep their capitals).
bool namesRecord(const std::wstring& word, const wchar_t* name) {
    size_t i = 0;
    for (; i < word.size() && name[i] != L'\0'; ++i) {
        wchar_t c = name[i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != word[i]) return false;
    }
    return i == word.size() && name[i] == L'\0';
}

template <typename Record>
int findRecord(const std::vector<Record>& table, const std::wstring& word, const wchar_t* (*nameOf)(const Record&)) {
    for (size_t i = 0; i < table.size(); ++i) {
        if (namesRecord(word, nameOf(table[i]))) return static_cast<int>(i);
    }
    return -1;
}

const wchar_t* civName(const CivRecord& civ) { return civ.name; }
const wchar_t* mapName(const MapRecord& map) { return map.name; }
const wchar_t* rulePath(const RuleRecord& rule) { return rule.path; }

bool isOptionWord(const std::wstring& word);

// Removes the first record of each following name. An option word ends the
// names and is left for the option table; any other word that names no
// record fails with a line of its own.
template <typename Record, typename RemoveAt>
bool removeByName(WordCursor& cursor, const std::vector<Record>& table, const wchar_t* (*nameOf)(const Record&),
                  RemoveAt removeAt) {
    while (cursor.hasNext()) {
        int index = findRecord(table, cursor.peek(), nameOf);
        if (index < 0) {
            if (isOptionWord(cursor.peek())) return true;
            debugLog("Nothing to remove named %s", toUtf8(firstChars(cursor.peek(), kPathUnits - 1)).c_str());
            return false;
        }
        cursor.take();
        removeAt(index);
    }
    return true;
}

// The map of the match was drawn while the data loaded; when "remove map"
// took it away, it is drawn again from the maps left, by the same rule, so
// that Ctrl+3 never types a removed map. False, with a debug line, when no map
// is left to draw.
bool redrawMatchMap(const GameTables& game, RunState& current) {
    const int drawn = weightedDraw(game.map_table);
    if (drawn < 0) {
        debugLog("No map is left to draw after remove map");
        return false;
    }
    boundedCopy(current.map_name, game.map_table[drawn].name);
    return true;
}

// "remove" with a kind word; any other word is left for the option table.
// False when a name matches nothing, or when no map is left for the match.
bool readRemoval(WordCursor& cursor, GameTables& game, RunState& current) {
    if (!cursor.hasNext()) return true;
    const std::wstring& kind = cursor.peek();
    if (kind == L"civ") {
        cursor.take();
        return removeByName(cursor, game.civ_table, civName, [&game](int index) { removeCivAt(game, index); });
    }
    if (kind == L"map") {
        cursor.take();
        bool drawnRemoved = false;
        const bool named = removeByName(cursor, game.map_table, mapName, [&](int index) {
            drawnRemoved = drawnRemoved || std::wcscmp(game.map_table[index].name, current.map_name) == 0;
            game.map_table.erase(game.map_table.begin() + index);
        });
        return named && (!drawnRemoved || redrawMatchMap(game, current));
    }
    if (kind == L"rule") {
        cursor.take();
        return removeByName(cursor, game.rule_table, rulePath,
                            [&game](int index) { game.rule_table.erase(game.rule_table.begin() + index); });
    }
    return true;
}

void skipScriptWords(WordCursor& cursor) {
    if (!cursor.hasNext()) return;
    const std::wstring& kind = cursor.take();
    if ((kind == L"civs" || kind == L"map" || kind == L"rules") && cursor.hasNext()) cursor.take();
}

enum class WordResult { Next, Finished, Failed };

// What an option word does with the option set and the words after it
// ("remove" changes the tables and the run's map instead).
using OptionReader = WordResult (*)(WordCursor& cursor, OptionSet& options, Randomiser& randomiser);

struct OptionWord {
    const wchar_t* word;
    OptionReader read;
};

// Sets one flag of the option set; the word takes no value words.
template <uint8_t OptionSet::*Flag>
WordResult setFlag(WordCursor&, OptionSet& options, Randomiser&) {
    options.*Flag = 1;
    return WordResult::Next;
}

// Every option word of pass 2, with what it does. This table is the one list
// of the words the randomiser accepts.
// Pass 2 steps over a word of pass 1 and its number.
WordResult skipNumberWord(WordCursor& cursor, OptionSet&, Randomiser&) {
    if (cursor.hasNext()) cursor.take();
    return WordResult::Next;
}

const OptionWord kOptionWords[] = {
    {L"remove",
     [](WordCursor& cursor, OptionSet&, Randomiser& randomiser) {
         if (!cursor.hasNext()) return WordResult::Finished;
         return readRemoval(cursor, randomiser.game, randomiser.current) ? WordResult::Next : WordResult::Failed;
     }},
    {L"rules",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         if (cursor.hasNext()) boundedCopy(options.usual_rules_path, cursor.take().c_str());
         return WordResult::Next;
     }},
    {L"limited_civ_tier_range",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         readTierRange(cursor, options);
         return WordResult::Next;
     }},
    {L"reshape",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         readReshape(cursor, options);
         return WordResult::Next;
     }},
    {L"reflective",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         readPositionFlags(cursor, options.reflective);
         return WordResult::Next;
     }},
    {L"reflective_random",
     [](WordCursor&, OptionSet& options, Randomiser&) {
         drawPositionFlags(options.reflective);
         return WordResult::Next;
     }},
    {L"repeat",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         readPositionFlags(cursor, options.repeat_enemy);
         return WordResult::Next;
     }},
    {L"repeat_random",
     [](WordCursor&, OptionSet& options, Randomiser&) {
         drawPositionFlags(options.repeat_enemy);
         return WordResult::Next;
     }},
    {L"repeat_combo",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         readRepeatCombo(cursor, options);
         return WordResult::Next;
     }},
    {L"repeat_same_team",
     [](WordCursor&, OptionSet& options, Randomiser&) {
         options.repeat_same_team = 1;
         options.repeat_ally = 1;
         return WordResult::Next;
     }},
    {L"single_tier",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         readSingleTier(cursor, options);
         return WordResult::Next;
     }},
    {L"team_random", setFlag<&OptionSet::team_random>},
    {L"fair_teams",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         readFairTeams(cursor, options);
         return WordResult::Next;
     }},
    {L"learned_ratings", setFlag<&OptionSet::learned_ratings>},
    {L"varied_tier_ratios",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         readTierRatios(cursor, options);
         return WordResult::Next;
     }},
    {L"reflective_tiers", setFlag<&OptionSet::reflective_tiers>},
    {L"score_combo",
     [](WordCursor& cursor, OptionSet& options, Randomiser&) {
         if (cursor.hasNext() && isDigitWord(cursor.peek())) options.score_combo = wordValue(cursor.take());
         return WordResult::Next;
     }},
    {L"handicap", setFlag<&OptionSet::handicap>},
    {L"civ_cycle", setFlag<&OptionSet::civ_cycle>},
    {L"fmt_uncounter", setFlag<&OptionSet::fmt_uncounter>},
    {L"omit_civs", setFlag<&OptionSet::omit_civs>},
    {L"validate",
     [](WordCursor&, OptionSet& options, Randomiser&) {
         options.validate_only = 1;
         return WordResult::Finished;
     }},
    {L"repost",
     [](WordCursor&, OptionSet& options, Randomiser&) {
         options.repost_only = 1;
         return WordResult::Finished;
     }},
    {L"rematch",
     [](WordCursor&, OptionSet& options, Randomiser&) {
         options.repost_only = 1;
         return WordResult::Finished;
     }},
    // Pass 1 has read these already; pass 2 only steps over them.
    {L"rating", [](WordCursor&, OptionSet&, Randomiser&) { return WordResult::Next; }},
    {L"real_keys", [](WordCursor&, OptionSet&, Randomiser&) { return WordResult::Next; }},
    {L"open_chat", [](WordCursor&, OptionSet&, Randomiser&) { return WordResult::Next; }},
    {L"compact", [](WordCursor&, OptionSet&, Randomiser&) { return WordResult::Next; }},
    {L"line_pause", skipNumberWord},
    {L"line_cap", skipNumberWord},
    {L"script",
     [](WordCursor& cursor, OptionSet&, Randomiser&) {
         skipScriptWords(cursor);
         return WordResult::Next;
     }},
};

// "result N" records the last match's result (N: 0 not rated, 1 to 4 the
// winning team) instead of drawing a match, so no data is loaded. It stands
// alone: a word beside it is refused, not passed over, since the host meant
// something by it.
bool readResultWords(OptionSet& options, const std::vector<std::wstring>& words) {
    if (words.size() == 3 && words[1] == L"result" && words[2].size() == 1 && words[2][0] >= L'0' &&
        words[2][0] <= L'4') {
        options.record_result = static_cast<char>(words[2][0]);
        return true;
    }
    std::wstring given;
    for (size_t i = 1; i < words.size(); ++i) given += (i > 1 ? L" " : L"") + words[i];
    debugLog("result takes one number, 0 (not rated) or the winning team 1 to 4, and no other word - Passed ~ %s",
             toUtf8(firstChars(given, kPathUnits - 1)).c_str());
    return false;
}

bool isOptionWord(const std::wstring& word) {
    for (const OptionWord& option : kOptionWords) {
        if (word == option.word) return true;
    }
    return false;
}

// Applies one option word of pass 2 and whatever value words it takes.
WordResult applyOption(const std::wstring& word, WordCursor& cursor, OptionSet& options, Randomiser& randomiser) {
    for (const OptionWord& option : kOptionWords) {
        if (word == option.word) return option.read(cursor, options, randomiser);
    }
    debugLog("Error Args? - %s", toUtf8(firstChars(word, kPathUnits - 1)).c_str());
    return WordResult::Failed;
}

}  // namespace

bool asksForResult(const std::vector<std::wstring>& words) {
    for (size_t i = 1; i < words.size(); ++i) {
        std::wstring word = words[i];
        lowerCase(word);
        if (word == L"result") return true;
    }
    return false;
}

std::vector<std::wstring> optionWords() {
    std::vector<std::wstring> words;
    for (const OptionWord& option : kOptionWords) words.push_back(option.word);
    words.push_back(L"result");  // read before both passes, by readResultWords
    return words;
}

bool parseCommandLine(Randomiser& randomiser, std::vector<std::wstring>& words) {
    OptionSet& options = randomiser.parsed_options;  // the one place that writes them
    resetPlayerTable(randomiser.players);
    for (std::wstring& word : words) lowerCase(word);
    if (asksForResult(words)) return readResultWords(options, words);
    if (!readLoaderOptions(options, words) || !loadGameData(randomiser)) return false;

    WordCursor cursor{words, 1};
    while (cursor.hasNext()) {
        const std::wstring& word = cursor.take();
        WordResult result = applyOption(word, cursor, options, randomiser);
        if (result == WordResult::Failed) return false;
        if (result == WordResult::Finished) break;
    }
    // Ctrl+2 types the rule text the words name until the host chooses another.
    boundedCopy(randomiser.current.rules_path, options.usual_rules_path);
    return true;
}
