#include "randomiser/startup/game_data_loader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "common/text_convert.h"
#include "randomiser/state/weighted_draw.h"
#include "script/player_data_file.h"
#include "script/script.h"

namespace {

// Converts a stored short string (a missing one reads as empty) into the
// wide array out, in the encoding of its whole file: at most maxChars
// characters, as many whole ones as fit.
void copyScriptString(wchar_t* out, size_t outUnits, TextEncoding encoding, const char* stored, size_t maxChars) {
    decodeText(out, outUnits, stored != nullptr ? stored : "", encoding, maxChars);
}

// Loads one data file, for reading only: the randomiser never writes its
// data files, so a read-only one serves. A failure adds the loader's line
// after the reader's.
bool loadScriptFile(Script& script, const char* path) {
    if (script.loadForReading(path)) return true;
    debugLog("Invalid Character in text check debugging");
    return false;
}

bool loadScriptAt(Script& script, const wchar_t* widePath) {
    char path[kPathUnits];
    toUtf8(path, sizeof path, widePath);
    return loadScriptFile(script, path);
}

// The tables hold 8 players in at most 4 teams of at most 4 players, and
// every team the same number of players. Each refusal has its own line.
bool checkPlayerCounts(int players, int teams) {
    if (!playerDataCountsFit(players, teams)) return false;
    if (players % teams != 0) {
        debugLog("PlayerData player_num is not a whole multiple of team_num - Passed ~ %i players in %i teams", players,
                 teams);
        return false;
    }
    if (players / teams > kMaxTeamSize) {
        debugLog("PlayerData holds more than 4 players a team - Passed ~ %i players in %i teams", players, teams);
        return false;
    }
    return true;
}

bool loadPlayers(Script& script, Randomiser& randomiser) {
    if (!loadScriptFile(script, kPlayerDataFile) || !playerDataHasEveryKey(script)) return false;
    PlayerTable& players = randomiser.players;
    players.player_count = script.getInt(kPlayerNumKey, 0);
    players.team_count = script.getInt(kTeamNumKey, 0);
    if (!checkPlayerCounts(players.player_count, players.team_count)) return false;
    if (!playerDataListsHold(script, players.player_count, randomiser.options().use_ratings != 0)) return false;
    const TextEncoding encoding = detectEncoding(script.text);
    const int ratingsHeld = script.intsHeld(kPlayerRatingKey);
    for (int i = 0; i < players.player_count; ++i) {
        // Names are cut to 15 characters, whatever their stored length.
        copyScriptString(players.player_names[i], kPlayerNameUnits, encoding, script.getString(kPlayerNameKey, i),
                         kPlayerNameChars);
        players.player_file_ratings[i] = i < ratingsHeld ? script.getInt(kPlayerRatingKey, i) : 0;
        if (randomiser.options().use_ratings) players.player_ratings[i] = players.player_file_ratings[i];
        players.player_fmt_groups[i] = script.getInt(kPlayerFmtKey, i);
    }
    readUnratedMarks(script, players.player_file_unrated);
    readOptionalList(script, kPlayerTeamPinKey, players.player_team_pins);
    readOptionalList(script, kPlayerApartKey, players.player_apart_groups);
    if (randomiser.options().use_ratings)
        std::copy_n(players.player_file_unrated, kPlayerSlots, players.player_unrated);
    return true;
}

bool listCountFits(const char* key, int count) {
    if (count <= kMaxListEntries) return true;
    debugLog("%s above 100, more than a list can hold - Passed ~ %i", key, count);
    return false;
}

bool loadCivs(Script& script, Randomiser& randomiser) {
    if (!loadScriptAt(script, randomiser.options().civ_script_path)) return false;
    int count = script.getInt("civ_num", 0);
    if (count <= 0 || !listCountFits("civ_num", count)) return false;
    // A civilisation without a name or tier would be drawn nameless or never.
    if (!script.listHolds("civ_name", Script::Kind::ShortStrings, count, "civ_num") ||
        !script.listHolds("civ_tier", Script::Kind::Integers, count, "civ_num"))
        return false;
    std::vector<CivRecord>& civs = randomiser.game.civ_table;
    civs.assign(count, CivRecord{});
    const TextEncoding encoding = detectEncoding(script.text);
    for (int i = 0; i < count; ++i) {
        copyScriptString(civs[i].name, kCivNameUnits, encoding, script.getString("civ_name", i), kCivNameChars);
        civs[i].tier = script.getInt("civ_tier", i);
        civs[i].eco = script.getInt("civ_eco", i);
        civs[i].military = script.getInt("civ_military", i);
        civs[i].impact = script.getInt("civ_impact", i);
    }
    return true;
}

// A map draw needs non-negative ratios with a positive total that fits the
// generator's modulo; anything else has no defined draw.
bool mapRatiosDrawable(const std::vector<MapRecord>& maps) {
    for (const MapRecord& map : maps) {
        if (map.ratio < 0) {
            debugLog("Map ratio below 0 in map script - Passed ~ %i", map.ratio);
            return false;
        }
    }
    int64_t total = ratioTotal(maps);
    if (total == 0) {
        debugLog("No map can be drawn: the map ratios add up to 0");
        return false;
    }
    if (total > INT32_MAX) {
        debugLog("Map ratios must add up to 1 to 2147483647 - Passed ~ %lld", static_cast<long long>(total));
        return false;
    }
    return true;
}

// The keys and the count's log line of a map or rule script.
struct RatioTableKeys {
    const char* count_key;
    const char* count_too_low_line;
    const char* ratios_key;
    const char* name_key;
    size_t name_chars;  // the most characters of a name that are loaded
};

// Reads a script of weighted records (maps or rules): the count, then each
// record's ratio and name, the name cut to the characters of the record's
// array.
template <typename Record, size_t Units>
bool loadRatioTable(Script& script, const wchar_t* path, const RatioTableKeys& keys, std::vector<Record>& table,
                    wchar_t (Record::*name)[Units]) {
    if (!loadScriptAt(script, path)) return false;
    int count = script.getInt(keys.count_key, 0);
    if (count < 1) {
        debugLog(keys.count_too_low_line, count);
        return false;
    }
    if (!listCountFits(keys.count_key, count)) return false;
    // A record without its ratio or name would never be drawn, or be drawn nameless.
    if (!script.listHolds(keys.ratios_key, Script::Kind::Integers, count, keys.count_key) ||
        !script.listHolds(keys.name_key, Script::Kind::ShortStrings, count, keys.count_key))
        return false;
    table.assign(count, Record{});
    const TextEncoding encoding = detectEncoding(script.text);
    for (int i = 0; i < count; ++i) {
        table[i].ratio = script.getInt(keys.ratios_key, i);
        copyScriptString(table[i].*name, Units, encoding, script.getString(keys.name_key, i), keys.name_chars);
    }
    return true;
}

bool loadMaps(Script& script, Randomiser& randomiser) {
    const RatioTableKeys keys = {"map_num", "Map Num From Script Required - Passed ~ %i", "map_ratios", "map_name",
                                 kMapNameChars};
    std::vector<MapRecord>& maps = randomiser.game.map_table;
    if (!loadRatioTable(script, randomiser.options().map_script_path, keys, maps, &MapRecord::name)) return false;
    if (!mapRatiosDrawable(maps)) return false;
    int chosen = weightedDraw(maps);
    boundedCopy(randomiser.current.map_name, maps[chosen].name);
    return true;
}

bool loadRules(Script& script, Randomiser& randomiser) {
    const RatioTableKeys keys = {"rule_num", "Rule Num From Script Required - Passed ~ %i", "rule_ratios", "rule_path",
                                 kPathUnits - 1};
    return loadRatioTable(script, randomiser.options().rule_script_path, keys, randomiser.game.rule_table,
                          &RuleRecord::path);
}

}  // namespace

bool loadGameData(Randomiser& randomiser) {
    // One reader serves the four files in turn and is gone when loading ends.
    std::unique_ptr<Script> script(new Script());
    return loadPlayers(*script, randomiser) && loadCivs(*script, randomiser) && loadMaps(*script, randomiser) &&
           loadRules(*script, randomiser);
}

void removeCivAt(GameTables& game, int index) { game.civ_table.erase(game.civ_table.begin() + index); }
