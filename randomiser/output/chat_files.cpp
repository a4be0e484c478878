#include "randomiser/output/chat_files.h"

#include <climits>
#include <ctime>

#include "common/debug_log.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/text_convert.h"
#include "common/whole_file.h"
#include "randomiser/state/option_set.h"
#include "randomiser/output/report.h"
#include "ratings/results_file.h"

namespace {

const char* const kSavedResultName = "data.txt";
// The most of data.txt a repost reads: the largest size that a long, the
// runtime's file position, holds (2 GiB less a byte on Windows).
constexpr size_t kSavedResultLimit = static_cast<size_t>(LONG_MAX);

// The lines as data.txt holds them: each line in UTF-8, followed by CR LF.
std::string reportFileBytes(const std::vector<std::wstring>& lines) {
    std::string bytes;
    for (const std::wstring& line : lines) {
        bytes += toUtf8(line);
        bytes += "\r\n";
    }
    return bytes;
}

// The local time now, to the minute.
MatchTime localTimeNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    MatchTime when;
    if (local == nullptr) return when;
    when.year = local->tm_year + 1900;
    when.month = local->tm_mon + 1;
    when.day = local->tm_mday;
    when.hour = local->tm_hour;
    when.minute = local->tm_min;
    return when;
}

}  // namespace

RuleFileStatus readRuleFile(const wchar_t* path, std::string& bytes) {
    char narrowPath[kPathUnits];
    toUtf8(narrowPath, sizeof narrowPath, path);
    switch (readWholeFile(narrowPath, kRuleTextMaxBytes, bytes)) {
        case WholeFileRead::Read: return RuleFileStatus::Read;
        case WholeFileRead::Missing: return RuleFileStatus::Missing;
        case WholeFileRead::TooLong: return RuleFileStatus::TooLong;
        case WholeFileRead::Unopenable:
        case WholeFileRead::Failed: break;
    }
    return RuleFileStatus::Unreadable;
}

bool saveReport(const std::vector<std::wstring>& typedLines, std::wstring& why) {
    const std::string bytes = reportFileBytes(typedLines);
    std::string reason;
    switch (replaceFile(kSavedResultName, bytes.data(), bytes.size(), reason)) {
        case ReplaceStep::Done: why.clear(); return true;
        case ReplaceStep::CreateTemporary:
            why = L"no new file can be made in the randomiser's folder (it may be read-only or full).";
            break;
        case ReplaceStep::WriteTemporary: why = L"the report could not be written out (the disk may be full)."; break;
        case ReplaceStep::MoveOver:
            why = L"data.txt could not be replaced (it may be read-only, a folder, or open in another program).";
            break;
    }
    why += L" The system says: " + decodeText(reason, TextEncoding::Utf8) + L".";
    return false;
}

bool savedResultExists() {
    if (!fileIsMissing(kSavedResultName)) return true;
    debugLog("No saved report to post again - %s is missing (a run saves its report there when Ctrl+1 types it)",
             kSavedResultName);
    return false;
}

bool readSavedResult(std::string& bytes) {
    switch (readWholeFile(kSavedResultName, kSavedResultLimit, bytes)) {
        case WholeFileRead::Read: break;
        case WholeFileRead::Missing:
        case WholeFileRead::Unopenable: logOpenFailure(kSavedResultName); return false;
        // A size no file position holds is logged as the failed seek to the
        // file's end, and nothing of the file is typed.
        case WholeFileRead::TooLong: debugLog("Invalid Binary File Seek"); break;
        case WholeFileRead::Failed: debugLog("Invalid Binary File Read"); break;
    }
    return true;
}

std::wstring recordMatch(const ReportState& report) {
    if (!report.records_match) return L"";
    MatchLine line = report.results_line;
    line.when = localTimeNow();
    const std::string why = appendMatchLine(line);
    if (why.empty()) return L"";
    debugLog("The match was not added to Results.txt: %s", why.c_str());
    return decodeText(why, TextEncoding::Utf8);
}
