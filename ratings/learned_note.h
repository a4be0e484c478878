#pragma once
#include <string>
#include <vector>

// The players PlayerData.txt marks unrated whom the results have rated since:
// their rating is no longer only the lobby's mean, so the programs say what
// rated them instead of marking them unrated.

struct LearnedNewcomer {
    std::wstring name;
    int rated_matches = 0;  // the matches with a winner that rated him, above 0
};

// "learned from 6 matches: NewGuy, Mo; learned from 1 match: Zed": the
// newcomers of one count of matches together, in the order given; empty
// when there are none.
std::wstring learnedNewcomersNote(const std::vector<LearnedNewcomer>& newcomers);

// For each name (UTF-8, exact), the matches with a winner of the whole of
// Results.txt that rated it; 0 for every name when the file is missing or
// cannot be read. Writes nothing, not even to debug.txt.
std::vector<int> ratedMatchesInResults(const std::vector<std::string>& names);
