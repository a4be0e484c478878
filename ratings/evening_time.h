#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ratings/results_log.h"

// Which lines of the history make tonight's evening.

// Two neighbouring lines further apart than this belong to two evenings.
constexpr int64_t kEveningGapMinutes = 6 * 60;

// The minutes from a fixed day long ago to the time, counting the calendar's
// real month lengths and leap years, so that two times' difference is the
// minutes between them, across midnight and month ends too.
int64_t minutesOfTime(const MatchTime& when);

// The index of the evening's first match: the evening is the last run of
// matches in which no two neighbouring lines are more than
// kEveningGapMinutes apart (either way, for lines a host put out of order).
// 0 for a history of no match.
size_t firstMatchOfEvening(const std::vector<MatchLine>& matches);
