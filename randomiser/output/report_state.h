#pragma once
#include <cstddef>

constexpr int kReportLines = 30;
constexpr size_t kReportLineUnits = 80;  // a line holds at most 79 characters

// The result report as it is typed into the chat and saved, one text per line.
struct ReportState {
    wchar_t report_lines[kReportLines][kReportLineUnits] = {};
    int report_line_count = 0;
};
