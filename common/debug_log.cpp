#include "common/debug_log.h"

#include <cstdarg>
#include <cstdio>

#include "common/file_open.h"
#include "common/text_convert.h"

const char* const kDebugLogName = "debug.txt";

namespace {

std::vector<std::string> run_lines;

void keepRunLine(std::string line) {
    if (run_lines.size() == kRunLinesKept) run_lines.erase(run_lines.begin());
    run_lines.push_back(std::move(line));
}

}  // namespace

void debugLog(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string line(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(&line[0], line.size() + 1, format, again);
    va_end(again);

    FILE* file = openFile(kDebugLogName, "a+b");
    if (file != nullptr) {
        // Lines end with CR LF, as the runtime's text mode writes them on Windows.
        std::fputs(line.c_str(), file);
        std::fputs("\r\n", file);
        std::fclose(file);
    }
    keepRunLine(std::move(line));
}

void logOpenFailure(const char* path) {
    debugLog("%s", path);
    debugLog("Opening A File");
}

const std::vector<std::string>& debugLinesOfThisRun() { return run_lines; }

std::wstring runFailureText(const std::wstring& workingFolder) {
    std::wstring text;
    for (const std::string& line : run_lines)
        text += decodeText(line, detectEncoding(line.data(), line.size())) + L"\n";
    if (!text.empty()) text += L"\n";
    return text + L"See debug.txt in " + workingFolder;
}
