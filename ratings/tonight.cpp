#include "ratings/tonight.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Minutes since 0000-03-01 by the Gregorian calendar, so that two times of
// different days, months or years compare by their difference.
int64_t minutesOf(const MatchTime& when) {
    const int64_t year = when.month <= 2 ? when.year - 1 : when.year;
    const int64_t month = when.month <= 2 ? when.month + 9 : when.month - 3;  // March is 0
    const int64_t days = 365 * year + year / 4 - year / 100 + year / 400 + (153 * month + 2) / 5 + when.day - 1;
    return (days * 24 + when.hour) * 60 + when.minute;
}

}  // namespace

int tonightFirstLine(const ResultsLog& log) {
    if (log.matches.empty()) return 0;
    size_t first = log.matches.size() - 1;
    // Lines edited by hand may stand out of time order: the gap counts either way.
    while (first > 0 && std::llabs(minutesOf(log.matches[first].when) - minutesOf(log.matches[first - 1].when)) <=
                            kEveningGapMinutes)
        --first;
    return log.matches[first].line_number;
}
