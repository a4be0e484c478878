#pragma once
#include <cstdint>
#include <vector>

#include "common/text_convert.h"
#include "randomiser/state/option_set.h"

constexpr int kMaxListEntries = 100;  // a script list holds at most 100 values
// Names are loaded up to a number of characters; their arrays have room for
// that many characters of two units each where wchar_t has 16 bits.
constexpr size_t kPlayerNameChars = kMaxNameChars;
constexpr size_t kPlayerNameUnits = unitsForChars(kPlayerNameChars);
constexpr size_t kCivNameChars = 29;
constexpr size_t kCivNameUnits = unitsForChars(39);
constexpr size_t kMapNameChars = 79;
constexpr size_t kMapNameUnits = unitsForChars(kMapNameChars);

// The players of the match as read from PlayerData.txt, and the per-player
// results of team and civilisation assignment beside them.
struct PlayerTable {
    int player_count = 0;
    int team_count = 0;  // divides player_count once loaded
    wchar_t player_names[kPlayerSlots][kPlayerNameUnits] = {};
    int player_ratings[kPlayerSlots] = {-1, -1, -1, -1, -1, -1, -1, -1};
    // The ratings the file holds, read whatever the words (0 where its list
    // has none): what Results.txt records of the match, even when learned
    // ratings take the place of player_ratings.
    int player_file_ratings[kPlayerSlots] = {};
    int player_fmt_groups[kPlayerSlots] = {};
    // 1: the rating the match uses is the mean the editor gave, neither the
    // player's own nor one the results taught.
    int player_unrated[kPlayerSlots] = {};
    // The marks the file holds, read whatever the words: what Results.txt
    // records of the match beside the file's ratings.
    int player_file_unrated[kPlayerSlots] = {};
    // The host's hand on the draw, which only fair_teams keeps: the team
    // number each player must play in (0 for none) and the apart group whose
    // players play in different teams (0 for none).
    int player_team_pins[kPlayerSlots] = {};
    int player_apart_groups[kPlayerSlots] = {};
    int player_teams[kPlayerSlots] = {};
    int player_civs[kPlayerSlots] = {};
    int player_tiers[kPlayerSlots] = {};
    int player_rating_classes[kPlayerSlots] = {};
};

// Players in each team of the match.
inline int teamSize(const PlayerTable& players) { return players.player_count / players.team_count; }

struct CivRecord {
    int tier = 0;
    int eco = 0;
    int military = 0;
    int impact = 0;
    wchar_t name[kCivNameUnits] = {};  // at most kCivNameChars characters are loaded
};

struct MapRecord {
    int ratio = 0;  // weight in random draws
    wchar_t name[kMapNameUnits] = {};
};

struct RuleRecord {
    int ratio = 0;                  // weight in random draws
    wchar_t path[kPathUnits] = {};  // a rule text file
};

// The civilisation, map and rule tables in file order.
struct GameTables {
    std::vector<CivRecord> civ_table;
    std::vector<MapRecord> map_table;
    std::vector<RuleRecord> rule_table;
};
