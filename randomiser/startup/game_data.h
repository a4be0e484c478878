#pragma once
#include <cstdint>
#include <vector>

#include "randomiser/startup/option_set.h"

constexpr int kMaxTeamSize = 4;
constexpr int kMaxListEntries = 100;  // a script list holds at most 100 values
constexpr size_t kPlayerNameUnits = kMaxNameChars + 1;
constexpr size_t kCivNameUnits = 40;
constexpr size_t kMapNameUnits = 80;

// The players of the match as read from PlayerData.txt, and the per-player
// results of team and civilisation assignment beside them.
struct PlayerTable {
    int player_count = 0;
    int team_count = 0;  // divides player_count once loaded
    wchar_t player_names[kPlayerSlots][kPlayerNameUnits] = {};
    int player_ratings[kPlayerSlots] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int player_fmt_groups[kPlayerSlots] = {};
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
    wchar_t name[kCivNameUnits] = {};  // at most 29 characters are loaded
};

struct MapRecord {
    int ratio = 0;  // weight in random draws
    wchar_t name[kMapNameUnits] = {};
};

struct RuleRecord {
    int ratio = 0;  // weight in random draws
    wchar_t path[kPathUnits] = {};  // a rule text file
};

// The civilisation, map and rule tables in file order, and the map drawn for
// the match at load time.
struct GameTables {
    std::vector<CivRecord> civ_table;
    std::vector<MapRecord> map_table;
    std::vector<RuleRecord> rule_table;
    wchar_t selected_map_name[kMapNameUnits] = {};
};
