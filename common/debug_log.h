#pragma once
#include <string>
#include <vector>

// Appends one formatted line to debug.txt in the working folder: the file is
// opened for append ("a+", as bytes), the message and CR LF are written (the
// line end the Windows runtime's text mode writes, on every platform), and it
// is closed again. When the file cannot be opened the message is dropped from
// the file, but it is still kept among this run's lines below.
void debugLog(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Logs that the file at path could not be opened (or, for a file being
// saved, replaced): two lines, the path and then "Opening A File".
void logOpenFailure(const char* path);

// The lines this process has logged, oldest first, without line ends: what
// a start-up failure shows the user. Only the newest kRunLinesKept are kept,
// so a long run does not grow without bound.
constexpr size_t kRunLinesKept = 50;
const std::vector<std::string>& debugLinesOfThisRun();

// Name of the log file, relative to the working folder.
extern const char* const kDebugLogName;

// The text of the error box that a start-up failure shows: this run's lines,
// one per line, then after a blank line "See debug.txt in <workingFolder>"
// (only that hint when nothing was logged). A line of valid UTF-8 is read as
// such, any other byte by byte.
std::wstring runFailureText(const std::wstring& workingFolder);
