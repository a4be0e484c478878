#include "randomiser/output/chat_files.h"

#include <climits>

#include "common/debug_log.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/text_convert.h"
#include "common/whole_file.h"
#include "randomiser/state/option_set.h"
#include "randomiser/output/report.h"

namespace {

const char* const kSavedResultName = "data.txt";
// More than a report can hold (30 lines of 79 characters of up to 4 bytes).
constexpr size_t kPreviousMatchBytes = 16384;

// The most of data.txt a repost reads: the largest size that a long, the
// runtime's file position, holds (2 GiB less a byte on Windows).
constexpr size_t kSavedResultLimit = static_cast<size_t>(LONG_MAX);

// The report lines as data.txt holds them: each line in UTF-8, followed by
// CR LF.
std::string reportFileBytes(const ReportState& report) {
    std::string bytes;
    for (int i = 0; i < report.report_line_count && i < kReportLines; ++i) {
        bytes += toUtf8(report.report_lines[i]);
        bytes += "\r\n";
    }
    return bytes;
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

bool saveReport(const ReportState& report, std::wstring& why) {
    const std::string bytes = reportFileBytes(report);
    switch (replaceFile(kSavedResultName, bytes.data(), bytes.size())) {
        case ReplaceStep::Done: why.clear(); return true;
        case ReplaceStep::CreateTemporary:
            why = L"no new file can be made in the randomiser's folder (it may be read-only or full).";
            break;
        case ReplaceStep::WriteTemporary: why = L"the report could not be written out (the disk may be full)."; break;
        case ReplaceStep::MoveOver:
            why = L"data.txt could not be replaced (it may be read-only, a folder, or open in another program).";
            break;
    }
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

void readPreviousMatch(const PlayerTable& players, PreviousMatch& previous) {
    previous = PreviousMatch{};
    std::string bytes;
    // A longer file is no report.
    if (readWholeFile(kSavedResultName, kPreviousMatchBytes, bytes) != WholeFileRead::Read) return;

    std::wstring cells[kPlayerSlots];  // the start of each player's row
    for (int p = 0; p < players.player_count; ++p) cells[p] = playerRowStart(players.player_names[p]);
    // Two players whose names look alike in the report cannot be told apart.
    for (int p = 0; p < players.player_count; ++p) {
        for (int q = p + 1; q < players.player_count; ++q) {
            if (cells[p] == cells[q]) return;
        }
    }

    const std::wstring text = readFileText(bytes);
    int rows = 0;
    int found[kPlayerSlots] = {};  // rows that start with each player's name cell
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        start = end + 1;
        int team = 0;
        if (!playerRowTeam(line, team)) continue;
        ++rows;
        for (int p = 0; p < players.player_count; ++p) {
            if (line.compare(0, cells[p].size(), cells[p]) != 0) continue;
            ++found[p];
            previous.player_teams[p] = team;
        }
    }
    bool each = rows == players.player_count;
    for (int p = 0; p < players.player_count; ++p) each = each && found[p] == 1;
    if (!each) {
        previous = PreviousMatch{};
        return;
    }
    previous.known = 1;
}
