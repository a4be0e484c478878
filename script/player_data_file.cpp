#include "script/player_data_file.h"

#include "common/debug_log.h"
#include "script/script.h"

const char* const kDefaultPlayerData =
    "player_num {6} team_num {2} player_name { 'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8' } "
    "player_rating { 0 0 0 0 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }";

bool playerDataHasEveryKey(const Script& script) {
    for (const char* key : kPlayerDataKeys) {
        if (script.findKey(key) < 0) {
            debugLog("%s has no %s - is a } or a quote missing before it?", kPlayerDataFile, key);
            return false;
        }
    }
    return true;
}

bool playerDataCountsFit(int players, int teams) {
    if (players == 0) {
        debugLog("PlayerData player_num is 0 - Passed ~ %i players in %i teams", players, teams);
        return false;
    }
    if (teams == 0) {
        debugLog("PlayerData team_num is 0 - Passed ~ %i players in %i teams", players, teams);
        return false;
    }
    if (players < 1 || players > kPlayerSlots) {
        debugLog("PlayerData player_num must be 1 to 8 - Passed ~ %i", players);
        return false;
    }
    if (teams < 1 || teams > kMaxTeams) {
        debugLog("PlayerData team_num must be 1 to 4 - Passed ~ %i", teams);
        return false;
    }
    return true;
}

bool playerDataListsHold(const Script& script, int players, bool ratingsUsed) {
    if (!script.listHolds(kPlayerNameKey, Script::Kind::ShortStrings, players, kPlayerNumKey)) return false;
    return !ratingsUsed || script.listHolds(kPlayerRatingKey, Script::Kind::Integers, players, kPlayerNumKey);
}

void readUnratedMarks(const Script& script, int (&unrated)[kPlayerSlots]) {
    readOptionalList(script, kPlayerUnratedKey, unrated);
    for (int& mark : unrated) mark = mark != 0 ? 1 : 0;
}

void readOptionalList(const Script& script, const char* key, int (&values)[kPlayerSlots]) {
    const int at = script.findKey(key);
    for (int i = 0; i < kPlayerSlots; ++i)
        values[i] = at >= 0 && i < script.int_counts[at] ? script.int_values[at][i] : 0;
}
