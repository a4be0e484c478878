#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What the history of Results.txt has taught of the players in play, as the
// programs say it. The players PlayerData.txt marks unrated whom the results
// have rated since: their rating is no longer only the lobby's mean, so the
// programs say what rated them instead of marking them unrated. The players
// the history does not know yet. And each player's learned rating with its
// change tonight, for the editor's roster and live display.

struct LearnedNewcomer {
    std::wstring name;
    int rated_matches = 0;  // the matches with a winner that rated him, above 0
};

// "learned from 6 matches: NewGuy, Mo; learned from 1 match: Zed": the
// newcomers of one count of matches together, in the order given; empty
// when there are none.
std::wstring learnedNewcomersNote(const std::vector<LearnedNewcomer>& newcomers);

// "new tonight: Mo, Zed": the players the history does not know yet; empty
// when there are none.
std::wstring newPlayersNote(const std::vector<std::wstring>& names);

// What the whole of a Results.txt has taught of one player.
struct LearnedRating {
    bool known = false;          // a line names him, or a name an alias gives him
    int32_t rating = 0;          // his mu rounded: the rating learned_ratings gives him
    int rated_matches = 0;       // the matches with a winner that rated him
    int32_t tonight_change = 0;  // how far tonight's lines moved that rating
    bool new_tonight = false;    // no line before tonight's names him
};

// For each name (UTF-8), what the text of a Results.txt teaches of it;
// a name no line knows is not known. Tonight is as firstMatchOfTonight says.
std::vector<LearnedRating> learnedRatings(const std::string& resultsText, const std::vector<std::string>& names);

// The bytes of Results.txt; empty when the file is missing or cannot be
// read. Writes nothing, not even to debug.txt.
std::string resultsFileText();
