// Plays a restart of the Windows shell for the end-to-end tests: removes the
// randomiser's tray icon as a restarting shell loses it, then sends the
// "TaskbarCreated" message that a new shell broadcasts, and waits (at most
// five seconds) for the icon to be back. Exit code 0 when it came back, 2
// when it did not, 1 when the randomiser's window or icon was not there.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr UINT kTrayIconId = 110;

// Whether the icon exists: changing nothing about an icon fails only when it
// is missing.
bool iconPresent(HWND owner) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    HWND owner = FindWindowW(L"BRENLOW_SORTILANE", nullptr);
    if (owner == nullptr || !iconPresent(owner)) return 1;
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = owner;
    data.uID = kTrayIconId;
    if (!Shell_NotifyIconW(NIM_DELETE, &data) || iconPresent(owner)) return 1;
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    for (int i = 0; i < 50; ++i) {
        Sleep(100);
        if (iconPresent(owner)) return 0;
    }
    return 2;
}
