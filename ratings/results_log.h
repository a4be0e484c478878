#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "script/player_data_file.h"

// The text of Results.txt, the match history a host keeps (and may edit by
// hand): one match a line, its fields separated by one TAB:
//   date and local time   YYYY-MM-DD HH:MM
//   seed                  the match's seed as the report prints it
//   result                1 to 4: the winning team; 0: recorded, not rated;
//                         -: no result recorded yet
//   then for every player, in the order of the report's table:
//   name, team (1 to 4), the rating PlayerData.txt held for the player
//   (0 .. kMaxRating), with '?' after it when PlayerData.txt marked the
//   player unrated (the rating is the lobby's mean the editor gave him);
//   the team may be followed by one space and the civilisation the report
//   gave the player (lines written before civilisations were recorded have
//   the team alone, and read as they always did)
// Lines end with CR LF when written; LF alone is read too. An empty line or
// one that starts with # is passed over; a line that does not read as a
// match is skipped, the rest still counts.
// A line "alias<TAB>OLD<TAB>NEW", which no match line can begin with, says
// that OLD and NEW are one player, known as NEW in every line of the file,
// before the alias line and after it.

constexpr int kMaxLinePlayers = kPlayerSlots;  // the players of the report's table

struct MatchTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

struct ResultPlayer {
    std::string name;  // UTF-8, as PlayerData.txt holds it
    int team = 0;      // 1 .. 4
    int32_t rating = 0;
    bool unrated = false;  // the rating field has '?' after the number
    std::string civ = "";  // UTF-8; empty when the line names none
};

struct MatchLine {
    MatchTime when;
    int32_t seed = 0;   // as the report prints it
    char result = '-';  // '1' .. '4', '0' or '-'
    std::vector<ResultPlayer> players;
    // Where the parse found the line: its number in the file (the first line
    // is 1) and the byte offset of its result field from the file's start.
    int line_number = 0;
    size_t result_offset = 0;
};

struct SkippedLine {
    int line_number = 0;
    std::string reason;
};

// One name an alias line gives another player's.
struct NameAlias {
    std::string old_name;
    std::string new_name;
};

// A file's matches in file order, the aliases it holds and the lines skipped.
struct ResultsLog {
    std::vector<MatchLine> matches;
    std::vector<NameAlias> aliases;  // in file order, each old name once
    std::vector<SkippedLine> skipped;
};

// The name a player is known by: the name the last alias of a chain of them
// gives (A -> B and B -> C make A, B and C all C), else the name itself.
std::string aliasedName(const std::vector<NameAlias>& aliases, const std::string& name);

// Reads the bytes of a whole file. A byte order mark at the start is passed
// over (the offsets still count it). The names are read as UTF-8 when the
// whole file is valid UTF-8, else one byte a character, and kept in UTF-8.
// A line is skipped when a field is missing or does not read as above, when
// it names more than kMaxLinePlayers players or one name twice, when a
// rating is outside 0 .. kMaxRating, or when its result is a team none of
// its players is in. Every player's name is read through the aliases, so a
// line that names both names of one player names him twice. An alias line
// is skipped when it names one name twice, when its old name has an alias
// already, or when it would close a circle of names (A -> B, then B -> A).
ResultsLog parseResults(const std::string& bytes);

// The match as one line of the file, without a line end. A TAB, CR or LF in
// a name or a civilisation, which would break the line, is written as a
// space; an unrated player's rating has '?' after it.
std::string formatMatchLine(const MatchLine& match);

// True when the result is one a line may hold: '1' .. '4', '0' or '-'.
bool isResultChar(char result);

// True when one of the line's players is in the team (1 .. 4) of the result.
bool lineHasTeam(const MatchLine& match, int team);
