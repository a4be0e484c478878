#pragma once
#include <cstddef>

#include "common/text_convert.h"

constexpr int kReportLines = 30;
constexpr size_t kReportLineChars = 79;  // the longest line, in characters
constexpr size_t kReportLineUnits = unitsForChars(kReportLineChars);

// The result report as it is typed into the chat and saved, one text per line.
struct ReportState {
    wchar_t report_lines[kReportLines][kReportLineUnits] = {};
    int report_line_count = 0;
};
