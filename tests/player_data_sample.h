#pragma once
#include <gtest/gtest.h>

#include <string>

// The default PlayerData.txt as the editor writes it, written out here on its
// own so that the tests check the program's copy of it.
inline const std::string kDefaultFile =
    "player_num {6} team_num {2} player_name { 'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8' } "
    "player_rating { 0 0 0 0 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }";

// text with its first occurrence of from replaced by to.
inline std::string replacedOnce(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}
