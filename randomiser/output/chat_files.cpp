#include "randomiser/output/chat_files.h"

#include <cerrno>
#include <cstdio>

#include "common/debug_log.h"
#include "common/file_open.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/text_convert.h"
#include "randomiser/option_set.h"

namespace {

const char* const kSavedResultName = "data.txt";

// The size of an open file in bytes, the position left at the start; -1 when
// a seek fails.
long fileSize(FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    long size = std::ftell(file);
    if (std::fseek(file, 0, SEEK_SET) != 0) return -1;
    return size;
}

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
    errno = 0;
    FILE* file = openFile(narrowPath, "rb");
    if (file == nullptr) return errno == ENOENT ? RuleFileStatus::Missing : RuleFileStatus::Unreadable;
    long size = fileSize(file);
    if (size < 0) {
        std::fclose(file);
        return RuleFileStatus::Unreadable;
    }
    if (size >= kRuleTextLimit) {
        std::fclose(file);
        return RuleFileStatus::TooLong;
    }
    bytes.assign(static_cast<size_t>(size), '\0');
    size_t got = std::fread(&bytes[0], 1, bytes.size(), file);
    bytes.resize(got);
    std::fclose(file);
    return RuleFileStatus::Read;
}


bool saveReport(const ReportState& report, std::wstring& why) {
    const std::string bytes = reportFileBytes(report);
    switch (replaceFile(kSavedResultName, bytes.data(), bytes.size())) {
        case ReplaceStep::Done:
            why.clear();
            return true;
        case ReplaceStep::CreateTemporary:
            why = L"no new file can be made in the randomiser's folder (it may be read-only or full).";
            break;
        case ReplaceStep::WriteTemporary:
            why = L"the report could not be written out (the disk may be full).";
            break;
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
    bytes.clear();
    FILE* file = openFile(kSavedResultName, "rb");
    if (file == nullptr) {
        debugLog("data.txt");
        debugLog("Opening A File");
        return false;
    }
    long size = fileSize(file);
    if (size < 0) {
        debugLog("Invalid Binary File Seek");
        size = 0;
        std::rewind(file);
    }
    bytes.assign(static_cast<size_t>(size), '\0');
    size_t got = bytes.empty() ? 0 : std::fread(&bytes[0], 1, bytes.size(), file);
    if (got != bytes.size()) debugLog("Invalid Binary File Read");
    bytes.resize(got);
    std::fclose(file);
    return true;
}
