#pragma once
#include <cstddef>

#include "common/text_convert.h"
#include "ratings/results_log.h"

constexpr int kReportLines = 30;
constexpr size_t kReportLineChars = 79;    // the longest line of the full report, in characters
constexpr size_t kCompactLineChars = 400;  // the longest line of a compact report (a team of four, say)
constexpr size_t kReportLineUnits = unitsForChars(kCompactLineChars);

// The result report as it is typed into the chat and saved, one text per line.
struct ReportState {
    wchar_t report_lines[kReportLines][kReportLineUnits] = {};
    int report_line_count = 0;
    // The match as Results.txt records it when the report is saved (its time
    // is set then); only a built report records one, not a validate run.
    uint8_t records_match = 0;
    MatchLine results_line;
};
