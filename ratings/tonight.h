#pragma once
#include "ratings/results_log.h"

// Tonight: the last run of match lines of the log in which no two
// neighbouring lines are more than kEveningGapMinutes apart, by the dates
// and times they hold (an evening past midnight stays one evening).

constexpr int kEveningGapMinutes = 6 * 60;

// The line number of tonight's first match line; 0 when the log holds no
// match.
int tonightFirstLine(const ResultsLog& log);
