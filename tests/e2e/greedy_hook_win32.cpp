// A stand-in for a game that installs its own low-level keyboard hook after
// the randomiser and passes no key on, for the hook renewal test:
//   greedy_hook.exe FILE
// hooks the keyboard, then creates FILE to say so, and swallows every key
// pressed on the keyboard until FILE is deleted; then it unhooks and ends.
// Keys that programs send (the randomiser's typing) pass on.
#include <windows.h>

#include <cstdio>

namespace {

const wchar_t* g_file = nullptr;

LRESULT CALLBACK swallowKeys(int code, WPARAM message, LPARAM data) {
    const bool injected = (reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->flags & LLKHF_INJECTED) != 0;
    if (code == HC_ACTION && !injected) return 1;  // neither earlier hooks nor any window get the key
    return CallNextHookEx(nullptr, code, message, data);
}

void CALLBACK checkFile(HWND, UINT, UINT_PTR, DWORD) {
    if (GetFileAttributesW(g_file) == INVALID_FILE_ATTRIBUTES) PostQuitMessage(0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    g_file = commandLine;
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, swallowKeys, instance, 0);
    if (hook == nullptr) return 1;
    FILE* ready = _wfopen(g_file, L"w");
    if (ready == nullptr) return 1;
    std::fclose(ready);
    SetTimer(nullptr, 0, 100, checkFile);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    UnhookWindowsHookEx(hook);
    return 0;
}
