#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ratings/results_log.h"

// Tonight's matches: an evening is a run of Results.txt lines in which no two
// neighbouring lines (in file order) are more than kEveningGapMinutes apart by
// their time stamps; a longer gap starts a new evening.

constexpr int64_t kEveningGapMinutes = 6 * 60;

// The minutes of a time stamp from a fixed day of the past, so that two of
// them subtract across midnight and month ends. A day beyond its month's end
// (Results.txt is edited by hand) counts on into the next month.
int64_t minutesOf(const MatchTime& when);

// The index of the first of tonight's matches, tonight being the evening of
// matches[end - 1]: matches[first .. end - 1] are tonight's (end at most
// matches.size()). 0 when end is 0.
size_t firstMatchOfTonight(const std::vector<MatchLine>& matches, size_t end);

// A player's wins and losses in tonight's rated matches.
struct TallyRow {
    std::string name;
    int wins = 0;
    int losses = 0;
};

// The wins and losses of every player of tonight's lines with a winner, the
// evening of matches[end - 1], most wins first, then fewest losses, then in
// the order the lines first name them.
std::vector<TallyRow> tonightTally(const std::vector<MatchLine>& matches, size_t end);
