// Plays a restart of the Windows shell for the end-to-end tests:
//   tray_restart.exe CLASS ICON_ID [--across-splash]
// removes the tray icon ICON_ID of the program whose main window has the
// class CLASS, as a restarting shell loses it, then sends the
// "TaskbarCreated" message that a new shell broadcasts, and waits (at most
// five seconds) for the icon to be back. With --across-splash the icon is
// waited for (at most ten seconds), and the shell is away while the main
// window's splash ends and for a second after, when the program shows the
// note that follows it. Exit code 0 when the icon came
// back, 2 when it did not, 1 when the window or icon was not there, 3 when
// the splash had ended already or did not end within 30 seconds.
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
    if (words == nullptr || count < 3 || count > 4) return 1;
    g_iconId = static_cast<UINT>(_wtoi(words[2]));
    HWND owner = FindWindowW(words[1], nullptr);
    const bool acrossSplash = count == 4 && lstrcmpW(words[3], L"--across-splash") == 0;
    LocalFree(words);
    // Across the splash, the icon that follows the splash is waited for.
    for (int i = 0; acrossSplash && owner != nullptr && i < 100 && !iconPresent(owner); ++i) Sleep(100);
    if (owner == nullptr || !iconPresent(owner)) return 1;
    if (acrossSplash && !IsWindowVisible(owner)) return 3;
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = owner;
    data.uID = g_iconId;
    if (!Shell_NotifyIconW(NIM_DELETE, &data) || iconPresent(owner)) return 1;
    bool splashEnded = true;
    if (acrossSplash) {
        for (int i = 0; i < 300 && IsWindowVisible(owner); ++i) Sleep(100);
        splashEnded = !IsWindowVisible(owner);
        Sleep(1000);
    }
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    for (int i = 0; i < 50; ++i) {
        Sleep(100);
        if (iconPresent(owner)) return splashEnded ? 0 : 3;
    }
    return 2;
}
