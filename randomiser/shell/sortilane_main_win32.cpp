// Entry point of Brenlow_Sortilane.exe: one running copy, the command line
// split into words, the generator seeded from the clock, and the start-up
// computation shared with the native preview.
#include <windows.h>
#include <shellapi.h>

#include <ctime>
#include <string>
#include <vector>

#include "randomiser/startup/run_sequence.h"

namespace {

const wchar_t* const kMutexName = L"Global\\Dastrel's, Brenlow: Sortilane {5d2c81e4-7a3b-4f19-9c60-2be8d14f7a03}";

HINSTANCE g_instance = nullptr;
Randomiser g_randomiser;  // the process-wide state every window of the program reads

// The command line as words; false when the system cannot split it.
bool commandLineWords(std::vector<std::wstring>& words) {
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (list == nullptr) return false;
    words.assign(list, list + count);
    LocalFree(list);
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // A copy started by another user (or elevated differently) holds the
    // mutex where this one may not open it: that is a running copy too.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kMutexName);
    DWORD mutexError = GetLastError();
    if (mutexError == ERROR_ALREADY_EXISTS || (mutex == nullptr && mutexError == ERROR_ACCESS_DENIED)) {
        if (mutex != nullptr) CloseHandle(mutex);
        return 0;
    }
    g_instance = instance;

    std::vector<std::wstring> words;
    if (!commandLineWords(words)) {
        MessageBoxW(nullptr, L"Unable to parse command line", L"Error", MB_OK);
        CloseHandle(mutex);
        return 1;
    }
    if (!computeStartup(g_randomiser, static_cast<int64_t>(_time64(nullptr)), words)) {
        CloseHandle(mutex);
        return 1;
    }
    // The windows, the tray icon and the keyboard hook come here; until then
    // a run that got this far has nothing more to do.
    CloseHandle(mutex);
    return 0;
}
