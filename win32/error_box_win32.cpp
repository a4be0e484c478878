#include "win32/error_box_win32.h"

#include <string>

#include "common/debug_log.h"

namespace {

std::wstring workingFolder() {
    const DWORD units = GetCurrentDirectoryW(0, nullptr);
    if (units == 0) return L".";
    std::wstring folder(units, L'\0');
    folder.resize(GetCurrentDirectoryW(units, &folder[0]));
    return folder;
}

}  // namespace

void showRunFailureBox(HWND owner) {
    HWND madeOwner = nullptr;
    if (owner == nullptr) {
        madeOwner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        owner = madeOwner;
    }
    if (owner != nullptr) SetForegroundWindow(owner);
    MessageBoxW(owner, runFailureText(workingFolder()).c_str(), L"Error",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
    if (madeOwner != nullptr) DestroyWindow(madeOwner);
}
