#pragma once
#include <cstddef>

#include "common/text_convert.h"

constexpr int kReportLines = 30;
constexpr size_t kReportLineChars = 79;    // the longest line of the full report, in characters
constexpr size_t kCompactLineChars = 400;  // the longest line of a compact report (a team of four, say)
constexpr size_t kReportLineUnits = unitsForChars(kCompactLineChars);

// The result report as it is typed into the chat and saved, one text per line.
struct ReportState {
    wchar_t report_lines[kReportLines][kReportLineUnits] = {};
    int report_line_count = 0;
};
