#include "randomiser/startup/command_line.h"

#include <climits>
#include <cwchar>

#include "common/bounded_copy.h"
#include "common/crt_random.h"
#include "common/debug_log.h"
#include "common/number_read.h"
#include "common/text_convert.h"
#include "common/word_seed.h"
#include "randomiser/startup/game_data_loader.h"
#include "randomiser/state/weighted_draw.h"

// The option words are read in two passes over the same words: the first
// before the data files load (what the loader needs, and the words of how to
// type, which count wherever they stand), the second after (the rest, in
// order, drawing after the match map). Both walk the one table below with the
// same cursor: each word takes its values by its own row's rule, whichever
// pass reads it, so a value (a rule text saved as "rating", say) is never
// read as a word.
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
bool isRemovalKind(const std::wstring& word) { return word == L"civ" || word == L"map" || word == L"rule"; }
bool isOptionWord(const std::wstring& word);

void resetPlayerTable(PlayerTable& players) {
    for (int i = 0; i < kPlayerSlots; ++i) {
        std::swprintf(players.player_names[i], kPlayerNameUnits, L"Player %i", i);
        players.player_ratings[i] = -1;
        players.player_teams[i] = 0;
        players.player_civs[i] = 0;
        players.player_tiers[i] = 0;
    }
}

// The words with a read position; each pass walks them once from word 1.
struct WordCursor {
    const std::vector<std::wstring>& words;
    size_t next;

    bool hasNext() const { return next < words.size(); }
    const std::wstring& peek() const { return words[next]; }
    const std::wstring& take() { return words[next++]; }
};

// What the words after an option word must be to count as its values.
enum class ValueKind {
    AnyWord,           // whatever they are
    DigitWords,        // digit words (the first character a decimal digit)
    SignedThenDigits,  // a signed word (a digit word, or one that starts with "-"), then digit words
    RemovalNames,      // "civ", "map" or "rule", then every word up to the next option word
    AsGiven,           // whatever they are, kept as the command line gives them (not lower-cased)
};

// The values of an option word: at most `most` words of the kind.
struct ValueRule {
    int most;
    ValueKind kind;
};

constexpr ValueRule kNoValue = {0, ValueKind::AnyWord};
constexpr ValueRule kOneWord = {1, ValueKind::AnyWord};
constexpr ValueRule kOneDigitWord = {1, ValueKind::DigitWords};
constexpr ValueRule kOneWordAsGiven = {1, ValueKind::AsGiven};

bool isValue(ValueKind kind, size_t index, const std::wstring& word) {
    switch (kind) {
        case ValueKind::AnyWord:
        case ValueKind::AsGiven: return true;
        case ValueKind::DigitWords: return isDigitWord(word);
        case ValueKind::SignedThenDigits: return index == 0 ? isSignedWord(word) : isDigitWord(word);
        case ValueKind::RemovalNames: return index == 0 ? isRemovalKind(word) : !isOptionWord(word);
    }
    return false;
}

// The values an option word took, and whether a word follows them (some
// words keep an earlier value at the end of the line, and reset it before a
// word that is no value).
struct OptionValues {
    std::vector<std::wstring> words;
    bool more = false;
};

OptionValues takeValues(WordCursor& cursor, ValueRule rule) {
    OptionValues values;
    while (static_cast<int>(values.words.size()) < rule.most && cursor.hasNext() &&
           isValue(rule.kind, values.words.size(), cursor.peek()))
        values.words.push_back(cursor.take());
    values.more = cursor.hasNext();
    return values;
}

enum class WordResult { Next, Finished, Failed };

// What an option word does in one pass with its values and the option set
// ("remove" changes the tables and the run's map instead).
using OptionReader = WordResult (*)(const OptionValues& values, OptionSet& options, Randomiser& randomiser);

// One option word: its values, and its reader in each pass (none where the
// pass has nothing to do with it).
struct OptionWord {
    const wchar_t* word;
    ValueRule values;
    OptionReader before_load;  // pass 1: the loader needs it, or it counts wherever it stands
    OptionReader after_load;   // pass 2: in the order of the words, after the match map is drawn
};

// Sets one flag of the option set.
template <uint8_t OptionSet::*Flag>
WordResult setFlag(const OptionValues&, OptionSet& options, Randomiser&) {
    options.*Flag = 1;
    return WordResult::Next;
}

// Sets one flag and ends the pass: later words are not looked at.
template <uint8_t OptionSet::*Flag>
WordResult setFlagAndEnd(const OptionValues&, OptionSet& options, Randomiser&) {
    options.*Flag = 1;
    return WordResult::Finished;
}

// The number word of "line_pause N" (milliseconds, 0 to 60000) or
// "line_cap N" (characters, 20 to 1000): Next with the value; Failed, with a
// debug line, for anything else.
WordResult readNumberWord(const OptionValues& values, int32_t low, int32_t high, const char* what, int32_t& value) {
    const std::wstring word = values.words.empty() ? L"" : values.words[0];
    const bool given = isDigitWord(word) && word.size() <= 5 &&
                       word.find_first_not_of(L"0123456789") == std::wstring::npos && wordValue(word) >= low &&
                       wordValue(word) <= high;
    if (given) {
        value = wordValue(word);
        return WordResult::Next;
    }
    const std::wstring got = values.words.empty() ? L"nothing" : firstChars(word, kPathUnits - 1);
    debugLog("%s - Passed ~ %s", what, toUtf8(got).c_str());
    return WordResult::Failed;
}

WordResult readLinePause(const OptionValues& values, OptionSet& options, Randomiser&) {
    return readNumberWord(values, 0, kLinePauseLimitMs, "line_pause needs a number of milliseconds from 0 to 60000",
                          options.line_pause_ms);
}

WordResult readLineCap(const OptionValues& values, OptionSet& options, Randomiser&) {
    return readNumberWord(values, kMinLineCap, kMaxLineCap, "line_cap needs a number of characters from 20 to 1000",
                          options.line_cap);
}

wchar_t* scriptPathFor(OptionSet& options, const std::wstring& kind) {
    if (kind == L"civs") return options.civ_script_path;
    if (kind == L"map") return options.map_script_path;
    if (kind == L"rules") return options.rule_script_path;
    return nullptr;
}

// "script civs|map|rules PATH": the file the loader reads instead. A kind
// that is none of the three (a misspelling such as "civ"), or none, is named.
WordResult readScript(const OptionValues& values, OptionSet& options, Randomiser&) {
    wchar_t* path = values.words.empty() ? nullptr : scriptPathFor(options, values.words[0]);
    if (path == nullptr) {
        const std::wstring got = values.words.empty() ? L"nothing" : firstChars(values.words[0], kPathUnits - 1);
        debugLog("script needs civs, map or rules before its file - Passed ~ %s", toUtf8(got).c_str());
        return WordResult::Failed;
    }
    if (values.words.size() == 2) boundedCopy(path, kPathUnits, values.words[1].c_str());
    return WordResult::Next;
}

// "seed_word WORD": the seed is the word's (word_seed.h) for the run's draw,
// not the clock's, so that a lobby that agrees on the word knows the draw.
// Read before the data loads, when nothing is drawn yet: the generator starts
// again from the word's seed. The word stands whole in the report's seed
// line, so it holds 1 to kMaxSeedWordChars characters.
WordResult readSeedWord(const OptionValues& values, OptionSet&, Randomiser& randomiser) {
    const std::wstring word = values.words.empty() ? L"" : values.words[0];
    if (word.empty() || charCount(word) > kMaxSeedWordChars) {
        const std::wstring got = values.words.empty() ? L"nothing" : firstChars(word, kPathUnits - 1);
        debugLog("seed_word needs a word of 1 to %d characters - Passed ~ %s", static_cast<int>(kMaxSeedWordChars),
                 toUtf8(got).c_str());
        return WordResult::Failed;
    }
    randomiser.seed_word = word;
    randomiser.seed = wordSeedForDraw(toUtf8(word), randomiser.draw_number);
    crtSrand(static_cast<uint32_t>(randomiser.seed));
    return WordResult::Next;
}

// "rules PATH": the rule text Ctrl+2 types.
WordResult readRules(const OptionValues& values, OptionSet& options, Randomiser&) {
    if (!values.words.empty()) boundedCopy(options.usual_rules_path, values.words[0].c_str());
    return WordResult::Next;
}

// "reflective" and "repeat": a signed word sets position 0 (-1 sets all
// eight), then digit words set positions 1 to 7 in turn.
template <uint8_t (OptionSet::*Flags)[kPlayerSlots]>
WordResult readPositionFlags(const OptionValues& values, OptionSet& options, Randomiser&) {
    uint8_t(&flags)[kPlayerSlots] = options.*Flags;
    if (values.words.empty()) return WordResult::Next;
    const int first = wordValue(values.words[0]);
    if (first == -1) {
        for (uint8_t& flag : flags) flag = 1;
    } else {
        flags[0] = first != 0;
    }
    for (size_t position = 1; position < values.words.size(); ++position)
        flags[position] = wordValue(values.words[position]) != 0;
    return WordResult::Next;
}

// "reflective_random" and "repeat_random": a coin for each position.
template <uint8_t (OptionSet::*Flags)[kPlayerSlots]>
WordResult drawPositionFlags(const OptionValues&, OptionSet& options, Randomiser&) {
    for (uint8_t& flag : options.*Flags) flag = crtRand() % 2;
    return WordResult::Next;
}

// "limited_civ_tier_range N": 0 low, 1 mid, 2 high, -1 drawn; the word after
// it is its value whatever it is.
WordResult readTierRange(const OptionValues& values, OptionSet& options, Randomiser&) {
    if (values.words.empty() || !isSignedWord(values.words[0])) return WordResult::Next;
    int value = wordValue(values.words[0]);
    if (value == -1) value = crtRand() % 3;
    if (value == 0) options.tier_range_low = 1;
    if (value == 1) options.tier_range_mid = 1;
    if (value == 2) options.tier_range_high = 1;
    return WordResult::Next;
}

// "reshape N": at the end of the line the amount keeps its value.
WordResult readReshape(const OptionValues& values, OptionSet& options, Randomiser&) {
    options.reshape = 1;
    if (!values.words.empty()) options.reshape_amount = wordValue(values.words[0]);
    if (values.words.empty() && values.more) options.reshape_amount = 0;
    return WordResult::Next;
}

// "repeat_combo N": at the end of the line the limit keeps its value.
WordResult readRepeatCombo(const OptionValues& values, OptionSet& options, Randomiser&) {
    if (!values.words.empty()) options.repeat_combo = wordValue(values.words[0]);
    if (values.words.empty() && values.more) options.repeat_combo = 8;
    return WordResult::Next;
}

WordResult readScoreCombo(const OptionValues& values, OptionSet& options, Randomiser&) {
    if (!values.words.empty()) options.score_combo = wordValue(values.words[0]);
    return WordResult::Next;
}

WordResult readRepeatSameTeam(const OptionValues&, OptionSet& options, Randomiser&) {
    options.repeat_same_team = 1;
    options.repeat_ally = 1;
    return WordResult::Next;
}

// "single_tier N": without N, or with -1, the tier is drawn.
WordResult readSingleTier(const OptionValues& values, OptionSet& options, Randomiser&) {
    options.single_tier = 1;
    const int value = values.words.empty() ? -1 : wordValue(values.words[0]);
    options.single_tier_value = value == -1 ? 1 + crtRand() % 4 : value;
    return WordResult::Next;
}

// "varied_tier_ratios A B C D": the ratios not given become 1 before a word
// that is no value, and keep their values at the end of the line.
WordResult readTierRatios(const OptionValues& values, OptionSet& options, Randomiser&) {
    options.varied_tier_ratios = 1;
    options.civ_cycle = 1;
    for (size_t tier = 0; tier < values.words.size(); ++tier) options.tier_ratios[tier] = wordValue(values.words[tier]);
    if (values.more)
        for (size_t tier = values.words.size(); tier < 4; ++tier) options.tier_ratios[tier] = 1;
    return WordResult::Next;
}

// "fair_teams N", with the margin from N or the default.
WordResult readFairTeams(const OptionValues& values, OptionSet& options, Randomiser&) {
    options.fair_teams = 1;
    options.fair_margin = values.words.empty() ? kDefaultFairMargin : wordValue(values.words[0]);
    return WordResult::Next;
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

// Removes the first record of each name (the values after the kind word); a
// name that names no record fails with a line of its own.
template <typename Record, typename RemoveAt>
bool removeByName(const OptionValues& values, const std::vector<Record>& table, const wchar_t* (*nameOf)(const Record&),
                  RemoveAt removeAt) {
    for (size_t i = 1; i < values.words.size(); ++i) {
        const int index = findRecord(table, values.words[i], nameOf);
        if (index < 0) {
            debugLog("Nothing to remove named %s", toUtf8(firstChars(values.words[i], kPathUnits - 1)).c_str());
            return false;
        }
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

// Removes the maps of the names; when the match map is among them, it is
// drawn again from the maps left.
bool removeMaps(const OptionValues& values, GameTables& game, RunState& current) {
    bool drawnRemoved = false;
    const bool named = removeByName(values, game.map_table, mapName, [&](int index) {
        drawnRemoved = drawnRemoved || std::wcscmp(game.map_table[index].name, current.map_name) == 0;
        game.map_table.erase(game.map_table.begin() + index);
    });
    return named && (!drawnRemoved || redrawMatchMap(game, current));
}

// "remove civ|map|rule NAME...": without a kind word it takes no value.
// Failed when a name matches nothing, or when no map is left for the match.
WordResult readRemoval(const OptionValues& values, OptionSet&, Randomiser& randomiser) {
    if (values.words.empty()) return WordResult::Next;
    GameTables& game = randomiser.game;
    bool removed = false;
    if (values.words[0] == L"civ") {
        removed = removeByName(values, game.civ_table, civName, [&game](int index) { removeCivAt(game, index); });
    } else if (values.words[0] == L"map") {
        removed = removeMaps(values, game, randomiser.current);
    } else {
        removed = removeByName(values, game.rule_table, rulePath,
                               [&game](int index) { game.rule_table.erase(game.rule_table.begin() + index); });
    }
    return removed ? WordResult::Next : WordResult::Failed;
}

// Every option word, with its values and what each pass does with it. This
// table is the one list of the words the randomiser accepts. A word with one
// value of any kind, read after the data loads, is one row:
// {L"word", kOneWord, nullptr, readWord}.
const OptionWord kOptionWords[] = {
    {L"remove", {INT_MAX, ValueKind::RemovalNames}, nullptr, readRemoval},
    {L"rules", kOneWord, nullptr, readRules},
    {L"limited_civ_tier_range", kOneWord, nullptr, readTierRange},
    {L"reshape", kOneDigitWord, nullptr, readReshape},
    {L"reflective", {kPlayerSlots, ValueKind::SignedThenDigits}, nullptr, readPositionFlags<&OptionSet::reflective>},
    {L"reflective_random", kNoValue, nullptr, drawPositionFlags<&OptionSet::reflective>},
    {L"repeat", {kPlayerSlots, ValueKind::SignedThenDigits}, nullptr, readPositionFlags<&OptionSet::repeat_enemy>},
    {L"repeat_random", kNoValue, nullptr, drawPositionFlags<&OptionSet::repeat_enemy>},
    {L"repeat_combo", kOneDigitWord, nullptr, readRepeatCombo},
    {L"repeat_same_team", kNoValue, nullptr, readRepeatSameTeam},
    {L"single_tier", {1, ValueKind::SignedThenDigits}, nullptr, readSingleTier},
    {L"team_random", kNoValue, nullptr, setFlag<&OptionSet::team_random>},
    // The loader reads the ratings for "fair_teams", which balances on them, and
    // "learned_ratings", which starts from them, wherever they stand.
    {L"fair_teams", kOneDigitWord, setFlag<&OptionSet::use_ratings>, readFairTeams},
    {L"learned_ratings", kNoValue, setFlag<&OptionSet::use_ratings>, setFlag<&OptionSet::learned_ratings>},
    {L"varied_tier_ratios", {4, ValueKind::DigitWords}, nullptr, readTierRatios},
    {L"reflective_tiers", kNoValue, nullptr, setFlag<&OptionSet::reflective_tiers>},
    {L"score_combo", kOneDigitWord, nullptr, readScoreCombo},
    {L"handicap", kNoValue, nullptr, setFlag<&OptionSet::handicap>},
    {L"civ_cycle", kNoValue, nullptr, setFlag<&OptionSet::civ_cycle>},
    {L"fmt_uncounter", kNoValue, nullptr, setFlag<&OptionSet::fmt_uncounter>},
    {L"omit_civs", kNoValue, nullptr, setFlag<&OptionSet::omit_civs>},
    {L"validate", kNoValue, nullptr, setFlagAndEnd<&OptionSet::validate_only>},
    {L"repost", kNoValue, nullptr, setFlagAndEnd<&OptionSet::repost_only>},
    {L"rematch", kNoValue, nullptr, setFlagAndEnd<&OptionSet::repost_only>},
    {L"rating", kNoValue, setFlag<&OptionSet::use_ratings>, nullptr},
    // How to type: read before the data loads, so that they count wherever
    // they stand, after "repost" and "rematch" too.
    {L"real_keys", kNoValue, setFlag<&OptionSet::real_keys>, nullptr},
    {L"open_chat", kNoValue, setFlag<&OptionSet::open_chat>, nullptr},
    {L"compact", kNoValue, setFlag<&OptionSet::compact>, nullptr},
    {L"standings", kNoValue, nullptr, setFlag<&OptionSet::standings>},
    {L"line_pause", kOneWord, readLinePause, nullptr},
    {L"line_cap", kOneWord, readLineCap, nullptr},
    {L"script", {2, ValueKind::AnyWord}, readScript, nullptr},
    {L"seed_word", kOneWordAsGiven, readSeedWord, nullptr},
    // "result N" stands alone: read instead of both passes, by readResultWords.
    {L"result", kOneWord, nullptr, nullptr},
};

const OptionWord* findOption(const std::wstring& word) {
    for (const OptionWord& option : kOptionWords) {
        if (word == option.word) return &option;
    }
    return nullptr;
}

bool isOptionWord(const std::wstring& word) { return findOption(word) != nullptr; }

// The next word at the cursor, with its row (none for a word that is no
// option) and the values it takes.
struct MetWord {
    const std::wstring& word;
    const OptionWord* option;
    OptionValues values;
};

MetWord takeWord(WordCursor& cursor) {
    const std::wstring& word = cursor.take();
    const OptionWord* option = findOption(word);
    return {word, option, option != nullptr ? takeValues(cursor, option->values) : OptionValues()};
}

enum class Pass { BeforeLoad, AfterLoad };

// Reads the words of one pass. A word that is no option is refused after
// the data loads, where it stands ("Error Args?"), and passed over before.
bool readPass(Pass pass, const std::vector<std::wstring>& words, OptionSet& options, Randomiser& randomiser) {
    WordCursor cursor{words, 1};
    while (cursor.hasNext()) {
        const MetWord met = takeWord(cursor);
        if (met.option == nullptr && pass == Pass::BeforeLoad) continue;
        if (met.option == nullptr) {
            debugLog("Error Args? - %s", toUtf8(firstChars(met.word, kPathUnits - 1)).c_str());
            return false;
        }
        const OptionReader read = pass == Pass::BeforeLoad ? met.option->before_load : met.option->after_load;
        const WordResult result = read != nullptr ? read(met.values, options, randomiser) : WordResult::Next;
        if (result != WordResult::Next) return result == WordResult::Finished;
    }
    return true;
}

// "result N" records the last match's result (N: 0 not rated, 1 to 4 the
// winning team) instead of drawing a match, so no data is loaded. It stands
// alone: a word beside it is refused, not passed over, since the host meant
// something by it. A value of another word ("rules result") is no result.
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

// Lower-cases every word but the values taken as given ("seed_word
// Pancake" keeps its capital: the seed is made of the word the lobby wrote).
void lowerCaseWords(std::vector<std::wstring>& words) {
    const std::vector<std::wstring> given = words;
    for (std::wstring& word : words) lowerCase(word);
    WordCursor cursor{words, 1};
    while (cursor.hasNext()) {
        const MetWord met = takeWord(cursor);
        if (met.option == nullptr || met.option->values.kind != ValueKind::AsGiven) continue;
        for (size_t i = cursor.next - met.values.words.size(); i < cursor.next; ++i) words[i] = given[i];
    }
}

}  // namespace

bool asksForResult(const std::vector<std::wstring>& words) {
    std::vector<std::wstring> lowered = words;  // the shell asks before the parse lower-cases them
    for (std::wstring& word : lowered) lowerCase(word);
    WordCursor cursor{lowered, 1};
    while (cursor.hasNext()) {
        if (takeWord(cursor).word == L"result") return true;
    }
    return false;
}

std::vector<std::wstring> optionWords() {
    std::vector<std::wstring> words;
    for (const OptionWord& option : kOptionWords) words.push_back(option.word);
    return words;
}

bool parseCommandLine(Randomiser& randomiser, std::vector<std::wstring>& words) {
    OptionSet& options = randomiser.parsed_options;  // the one place that writes them
    resetPlayerTable(randomiser.players);
    lowerCaseWords(words);
    if (asksForResult(words)) return readResultWords(options, words);
    if (!readPass(Pass::BeforeLoad, words, options, randomiser) || !loadGameData(randomiser)) return false;
    if (!readPass(Pass::AfterLoad, words, options, randomiser)) return false;
    // Ctrl+2 types the rule text the words name until the host chooses another.
    boundedCopy(randomiser.current.rules_path, options.usual_rules_path);
    return true;
}
