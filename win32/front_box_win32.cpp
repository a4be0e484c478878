#include "win32/front_box_win32.h"

#include <string>

#include "common/debug_log.h"
#include "common/text_convert.h"
#include "win32/window_helpers_win32.h"

static_assert(kBoxIconError == MB_ICONERROR && kBoxIconInformation == MB_ICONINFORMATION &&
                  kBoxSetForeground == MB_SETFOREGROUND && kBoxTopmost == MB_TOPMOST,
              "the portable box flags are Windows' own");

namespace {

std::wstring workingFolder() {
    const DWORD units = GetCurrentDirectoryW(0, nullptr);
    if (units == 0) return L".";
    std::wstring folder(units, L'\0');
    folder.resize(GetCurrentDirectoryW(units, &folder[0]));
    return folder;
}

}  // namespace

void showFrontBox(const BoxWindows& windows, BoxKind kind, const wchar_t* caption, const wchar_t* text) {
    const bool openShown = windows.open_window != nullptr && IsWindowVisible(windows.open_window);
    const FrontBoxPlan plan = planFrontBox(kind, text, openShown, windows.main_window != nullptr,
                                           windows.tray_window != nullptr, kBalloonUnits);
    HWND owner = plan.owner == BoxOwner::OpenWindow ? windows.open_window : windows.main_window;
    HWND madeOwner = nullptr;
    if (plan.owner == BoxOwner::MadeWindow) {
        madeOwner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        owner = madeOwner;
    }
    if (!plan.balloon.empty() &&
        !showTrayBalloon(windows.tray_window, windows.tray_id, windows.tray_title, plan.balloon.c_str()))
        debugLog("Could not show the box's first line at the notification area icon");
    if (owner != nullptr) SetForegroundWindow(owner);
    MessageBoxW(owner, text, caption, MB_OK | plan.style);
    if (madeOwner != nullptr) DestroyWindow(madeOwner);
}

void showRunFailureBox(const BoxWindows& windows) {
    showFrontBox(windows, BoxKind::Error, L"Error", runFailureText(workingFolder()).c_str());
}
