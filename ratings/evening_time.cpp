#include "ratings/evening_time.h"

namespace {

// Days from 1 March of year 0 of the proleptic Gregorian calendar; the year
// is counted from March, so that the leap day ends it.
int64_t daysOfDate(int year, int month, int day) {
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t m = month <= 2 ? month + 9 : month - 3;  // March is 0
    const int64_t daysBeforeMonth = (153 * m + 2) / 5;
    return y * 365 + y / 4 - y / 100 + y / 400 + daysBeforeMonth + day - 1;
}

}  // namespace

int64_t minutesOfTime(const MatchTime& when) {
    return daysOfDate(when.year, when.month, when.day) * 24 * 60 + when.hour * 60 + when.minute;
}

size_t firstMatchOfEvening(const std::vector<MatchLine>& matches) {
    size_t first = matches.empty() ? 0 : matches.size() - 1;
    while (first > 0) {
        int64_t gap = minutesOfTime(matches[first].when) - minutesOfTime(matches[first - 1].when);
        if (gap < 0) gap = -gap;
        if (gap > kEveningGapMinutes) break;
        --first;
    }
    return first;
}
