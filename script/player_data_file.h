#pragma once
#include <cstddef>
#include <cstdint>

// PlayerData.txt, the script file through which the editor hands the players
// of the match to the randomiser: its name, its five keys, the limits of its
// values and the content it is created and reset with. Both programs read and
// write it by these definitions only.

// Relative to the working folder; nothing changes it.
constexpr const char* kPlayerDataFile = "PlayerData.txt";

constexpr const char* kPlayerNumKey = "player_num";        // 1 integer: the players in the match
constexpr const char* kTeamNumKey = "team_num";            // 1 integer: the teams
constexpr const char* kPlayerNameKey = "player_name";      // 8 short strings, player 1 first
constexpr const char* kPlayerRatingKey = "player_rating";  // 8 integers
constexpr const char* kPlayerFmtKey = "player_fmt_group";  // 8 integers: "Friends May Team", 0 for none
// The five keys in the order the file holds them.
constexpr const char* kPlayerDataKeys[] = {kPlayerNumKey, kTeamNumKey, kPlayerNameKey, kPlayerRatingKey, kPlayerFmtKey};

// Two keys a file may hold after the five. A file without them reads as if
// every player were rated and the default rating were kDefaultRating.
// 8 integers: 1 where the player's rating is not his own but the mean the
// editor gave a player who came without one, 0 elsewhere. The editor adds
// the key, as the list below, the first time it marks a player.
constexpr const char* kPlayerUnratedKey = "player_unrated";
constexpr const char* kUnratedListText = " player_unrated { 0 0 0 0 0 0 0 0 }";
// 1 integer, set by the host by hand: the rating of an unrated player when no
// player of the lobby has one.
constexpr const char* kDefaultRatingKey = "default_rating";
constexpr int32_t kDefaultRating = 1600;
// Two more lists of 8 integers, the host's hand on the draw, which the editor
// adds, as their lists below, the first time a player is given a value other
// than 0. A file without them pins nobody and keeps nobody apart.
// player_team_pin: 0 for none, 1 to 4: the player plays in that team.
constexpr const char* kPlayerTeamPinKey = "player_team_pin";
constexpr const char* kTeamPinListText = " player_team_pin { 0 0 0 0 0 0 0 0 }";
// player_apart_group: the players of one non-zero number play in different
// teams, as far as the teams allow.
constexpr const char* kPlayerApartKey = "player_apart_group";
constexpr const char* kApartListText = " player_apart_group { 0 0 0 0 0 0 0 0 }";

constexpr int kPlayerSlots = 8;  // every list holds eight players
constexpr int kMaxTeams = 4;
constexpr int kMaxTeamSize = 4;  // players in one team

// What the editor keeps and stores; values beyond them in the file are
// replaced in its memory (the counts by kMinPlayers and kMinTeams, the
// others by 0).
constexpr int32_t kMinPlayers = 2;
constexpr int32_t kMinTeams = 2;
constexpr size_t kMaxNameChars = 15;
constexpr int32_t kMaxRating = 999999;  // six digits
constexpr int32_t kMaxFmtGroup = 9999;  // four digits
constexpr int32_t kMaxTeamPin = kMaxTeams;
constexpr int32_t kMaxApartGroup = 9999;  // four digits

struct Script;

// Whether the loaded file holds all five keys. Otherwise logs one line that
// names the first key missing and returns false: a list or short string left
// open reads the keys after it as its values, so the line asks whether a }
// or a quote is missing before that key.
bool playerDataHasEveryKey(const Script& script);

// Whether the counts are within what the file's lists hold: 1 to 8 players
// and 1 to 4 teams. Otherwise logs the one line that says which count is
// out and returns false. Both programs refuse such a file in these words.
bool playerDataCountsFit(int players, int teams);

// Whether the loaded file holds a name for each of the players and, when
// ratings are used, a rating for each. Otherwise logs one line with the
// counts and returns false.
bool playerDataListsHold(const Script& script, int players, bool ratingsUsed);

// The players the file marks unrated, as 1 in unrated[i]; all 0 when it has
// no such list.
void readUnratedMarks(const Script& script, int (&unrated)[kPlayerSlots]);

// The values of an optional list of 8 integers (player_team_pin,
// player_apart_group); 0 for each player it holds no value for.
void readOptionalList(const Script& script, const char* key, int (&values)[kPlayerSlots]);

// The content, byte for byte and without a line end: 6 players in 2 teams,
// the names p1 to p8, every rating and group 0.
extern const char* const kDefaultPlayerData;
