// Plays a restart of the Windows shell for the end-to-end tests:
//   tray_restart.exe CLASS ICON_ID
// removes the tray icon ICON_ID of the program whose main window has the
// class CLASS, as a restarting shell loses it, then sends the
// "TaskbarCreated" message that a new shell broadcasts, and waits (at most
// five seconds) for the icon to be back. Exit code 0 when it came back, 2
// when it did not, 1 when the window or icon was not there.
#include <windows.h>

#include <shellapi.h>

namespace {

UINT g_iconId = 0;

// Whether the icon exists: changing nothing about an icon fails only when it
// is missing.
bool iconPresent(HWND owner) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = owner;
    data.uID = g_iconId;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr || count != 3) return 1;
    g_iconId = static_cast<UINT>(_wtoi(words[2]));
    HWND owner = FindWindowW(words[1], nullptr);
    LocalFree(words);
    if (owner == nullptr || !iconPresent(owner)) return 1;
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = owner;
    data.uID = g_iconId;
    if (!Shell_NotifyIconW(NIM_DELETE, &data) || iconPresent(owner)) return 1;
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    for (int i = 0; i < 50; ++i) {
        Sleep(100);
        if (iconPresent(owner)) return 0;
    }
    return 2;
}
