#include <windows.h>

#include <iterator>
#include <string>

#include "common/file_move.h"
#include "common/text_convert.h"

namespace {

// The system's text for an error code, without the full stop and line end
// that end it.
std::string systemErrorText(DWORD code) {
    wchar_t text[256] = {};
    const DWORD units = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                       text, static_cast<DWORD>(std::size(text)), nullptr);
    std::wstring message(text, units);
    while (!message.empty() &&
           (message.back() == L'.' || message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
        message.pop_back();
    if (message.empty()) return "Windows error " + std::to_string(code);
    return toUtf8(message);
}

}  // namespace

// rename refuses an existing target on Windows; MoveFileEx replaces it.
bool moveFileOver(const char* from, const char* to, std::string& reason) {
    if (MoveFileExW(decodeText(from, TextEncoding::Utf8).c_str(), decodeText(to, TextEncoding::Utf8).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0)
        return true;
    reason = systemErrorText(GetLastError());
    return false;
}
