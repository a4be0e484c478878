// The tray menu's "Evening report": the page written by the portable code,
// opened by ShellExecuteW, which returns a value above 32 when a program
// was started for it.
#include "editor/shell/evening_report_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "editor/evening_report.h"
#include "editor/shell/editor_port_win32.h"
#include "ratings/evening_page.h"
#include "win32/tray_program_win32.h"

namespace {

// The page's full path, from the working folder.
std::wstring pagePath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(L"Evening.html", MAX_PATH, path, nullptr);
    if (length == 0 || length >= MAX_PATH) return L"Evening.html";
    return path;
}

// Puts the text on the clipboard as Unicode text; false when it could not.
bool putOnClipboard(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(trayMainWindow())) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);  // the clipboard owns it only when placed
    return placed;
}

}  // namespace

void openEveningReport() {
    if (!writeEveningReport(editorPort())) return;
    const std::wstring path = pagePath();
    const HINSTANCE opened = ShellExecuteW(trayMainWindow(), L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(opened) > 32) return;
    putOnClipboard(path);
    editorPort().showErrorBox(eveningOpenFailure(path).c_str());
}
