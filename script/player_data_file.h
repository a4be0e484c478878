#pragma once
#include <cstddef>
#include <cstdint>

// PlayerData.txt, the script file through which the editor hands the players
// of the match to the randomiser: its name, its five keys, the limits of its
// values and the content it is created and reset with. Both programs read and
// write it by these definitions only.

// Relative to the working folder; nothing changes it.
constexpr const char* kPlayerDataFile = "PlayerData.txt";

constexpr const char* kPlayerNumKey = "player_num";         // 1 integer: the players in the match
constexpr const char* kTeamNumKey = "team_num";             // 1 integer: the teams
constexpr const char* kPlayerNameKey = "player_name";       // 8 short strings, player 1 first
constexpr const char* kPlayerRatingKey = "player_rating";   // 8 integers
constexpr const char* kPlayerFmtKey = "player_fmt_group";   // 8 integers: "Friends May Team", 0 for none

constexpr int kPlayerSlots = 8;  // every list holds eight players
constexpr int kMaxTeams = 4;

// What the editor keeps and stores; values beyond them in the file are
// replaced in its memory (the counts by kMinPlayers and kMinTeams, the
// others by 0).
constexpr int32_t kMinPlayers = 2;
constexpr int32_t kMinTeams = 2;
constexpr size_t kMaxNameChars = 15;
constexpr int32_t kMaxRating = 999999;  // six digits
constexpr int32_t kMaxFmtGroup = 9999;  // four digits

// The content, byte for byte and without a line end: 6 players in 2 teams,
// the names p1 to p8, every rating and group 0.
extern const char* const kDefaultPlayerData;
