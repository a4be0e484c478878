#include "script/player_data_file.h"

const char* const kDefaultPlayerData =
    "player_num {6} team_num {2} player_name { 'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8' } "
    "player_rating { 0 0 0 0 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }";
