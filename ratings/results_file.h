#pragma once
#include <string>

#include "ratings/results_log.h"

// Results.txt in the working folder. A host may edit it by hand, so the
// programs only ever add a line at its end or change the one field they are
// asked to; every other byte stays as it was. Every change replaces the file
// safely (a temporary file moved over it), so a failed write leaves the old
// file whole.

constexpr const char* kResultsFile = "Results.txt";
constexpr size_t kMaxResultsBytes = 16u << 20;

// How loading the file ended.
enum class ResultsLoad {
    Read,     // the log holds the file's matches
    Missing,  // there is no Results.txt: the log is empty
    Failed,   // the file could not be read whole: the log is empty, debug.txt says why
};

// Reads and parses Results.txt; writes one debug.txt line for each line it
// skipped, with the line's number and the reason.
ResultsLoad loadResults(ResultsLog& log);

// Adds the match as a line at the end of the file (creating it when there is
// none), ended by CR LF; when the file does not end with a line end, CR LF
// comes first. Returns "" when done, else why nothing was changed.
std::string appendMatchLine(const MatchLine& match);

// Writes result ('1' .. '4', '0' or '-') into the result field of the last
// match line, changing no other byte. Returns "" when done, else why nothing
// was changed: no file, no match line, a result of no team the line has, or
// a file that cannot be read or written.
std::string setLastResult(char result);
