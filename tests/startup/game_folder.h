#pragma once
#include <string>

// The four data files of a small valid game and the rule texts they name,
// written into the working folder. Each text can be replaced before writing.
struct GameFolder {
    std::string playerData =
        "player_num {4} team_num {2} player_name { 'Ann' 'Bob' 'Cy' 'Dee' 'p5' 'p6' 'p7' 'p8' } "
        "player_rating { 1500 1600 1400 1700 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }";
    std::string civs =
        "civ_num {6}\n"
        "civ_name { 'Oak' 'alpha' 'Reed' 'beta' 'Alpha' 'Flint' }\n"
        "civ_tier { 1 2 3 4 1 2 }\n"
        "civ_eco { 1 2 3 4 5 1 }\n"
        "civ_military { 5 4 3 2 1 5 }\n"
        "civ_impact { 3 3 3 3 3 3 }\n";
    std::string maps = "map_num {3} map_ratios { 1 2 3 } map_name { 'Fen' 'dune' 'Crag' }";
    std::string rules = "rule_num {2} rule_ratios { 1 1 } rule_path { './Rules/Usual.txt' './rules/fast.txt' }";
    std::string usual_rules = "Be nice\r\n";
    std::string fast_rules = "Go fast\r\n";  // in the folder Rules, found as ./rules/ as on Windows

    void write() const;
};
