#pragma once
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"
#include "script/rule_text_file.h"

// The files that chat typing reads and writes. They are read as bytes; the
// line-end rules and the text conversion are applied by their readers.

enum class RuleFileStatus {
    Read,        // the bytes are in the output
    Missing,     // no such file
    Unreadable,  // exists but cannot be read
    TooLong,     // more than kRuleTextMaxBytes
};

RuleFileStatus readRuleFile(const wchar_t* path, std::string& bytes);

// Replaces data.txt with the lines of the report as they were typed, in
// UTF-8 and with CR LF after each; false when it could not be written (the
// old file then stays as it was), with why saying what stood in the way and
// the system's reason.
bool saveReport(const std::vector<std::wstring>& typedLines, std::wstring& why);

// Whether data.txt, the report that a repost types again, is there;
// otherwise logs that there is nothing to post again.
bool savedResultExists();

// Reads data.txt. False, with the lines "data.txt" and "Opening A File" in the
// debug log, when it cannot be opened. A file of 2 GiB or more on Windows is
// logged as a failed seek and read as empty; a read that fails is logged and
// what was read before it is kept.
bool readSavedResult(std::string& bytes);

// Adds the match's line (results_line, with the local time now) at the end
// of Results.txt, when the report records one. Returns "" when it was added
// or there is none to add; else why not (with the system's reason when the
// file could not be written), also logged to debug.txt: the report is
// typed and saved all the same.
std::wstring recordMatch(const ReportState& report);
