#include "ratings/evening.h"

#include <algorithm>

namespace {

// Days from 1 March of the year 400 before year 0 of the Gregorian calendar to
// the date. March starts the counted year, so that February's length only
// matters as a year's last month; the 400 years (one whole cycle of leap
// years) keep every year counted positive, where division rounds down.
int64_t daysOf(const MatchTime& when) {
    const int64_t year = 400 + (when.month <= 2 ? when.year - 1 : when.year);
    const int64_t monthFromMarch = when.month <= 2 ? when.month + 9 : when.month - 3;
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + when.day - 1;
    return year * 365 + year / 4 - year / 100 + year / 400 + dayOfYear;
}

// Minutes between two lines' time stamps, whichever is the later one.
int64_t gapMinutes(const MatchLine& one, const MatchLine& other) {
    const int64_t gap = minutesOf(other.when) - minutesOf(one.when);
    return gap < 0 ? -gap : gap;
}

}  // namespace

int64_t minutesOf(const MatchTime& when) { return (daysOf(when) * 24 + when.hour) * 60 + when.minute; }

size_t firstMatchOfTonight(const std::vector<MatchLine>& matches, size_t end) {
    const size_t last = end < matches.size() ? end : matches.size();
    if (last == 0) return 0;
    size_t first = last - 1;
    while (first > 0 && gapMinutes(matches[first - 1], matches[first]) <= kEveningGapMinutes) --first;
    return first;
}

std::vector<TallyRow> tonightTally(const std::vector<MatchLine>& matches, size_t end) {
    std::vector<TallyRow> tally;
    const size_t last = end < matches.size() ? end : matches.size();
    for (size_t i = firstMatchOfTonight(matches, last); i < last; ++i) {
        const MatchLine& match = matches[i];
        if (match.result < '1' || match.result > '4') continue;
        for (const ResultPlayer& player : match.players) {
            auto row =
                std::find_if(tally.begin(), tally.end(), [&](const TallyRow& r) { return r.name == player.name; });
            if (row == tally.end()) row = tally.insert(tally.end(), TallyRow{player.name, 0, 0});
            ++(player.team == match.result - '0' ? row->wins : row->losses);
        }
    }
    std::stable_sort(tally.begin(), tally.end(), [](const TallyRow& a, const TallyRow& b) {
        return a.wins != b.wins ? a.wins > b.wins : a.losses < b.losses;
    });
    return tally;
}
