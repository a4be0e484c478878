#include "win32/single_copy_win32.h"

#include <string>

#include "common/debug_log.h"
#include "win32/front_box_win32.h"

const wchar_t* const kSortilaneMutexName =
    L"Global\\Dastrel's, Brenlow: Sortilane {5d2c81e4-7a3b-4f19-9c60-2be8d14f7a03}";
const wchar_t* const kRostrixMutexName = L"Global\\Dastrel's, Brenlow: Rostrix{5d2c81e4-7a3b-4f19-9c60-2be8d14f7a03}";

bool anotherCopyRuns(const wchar_t* mutexName, HANDLE& mutex) {
    mutex = CreateMutexW(nullptr, FALSE, mutexName);
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || (mutex == nullptr && error == ERROR_ACCESS_DENIED)) {
        releaseSingleCopyGuard(mutex);
        mutex = nullptr;
        return true;
    }
    if (mutex == nullptr) debugLog("Could not create the single-instance mutex (error %lu); running without it", error);
    return false;
}

void sayAlreadyRunning(const wchar_t* programName) {
    const std::wstring name = programName;
    const std::wstring text = name +
                              L" is already running: its icon is in the notification area (perhaps behind "
                              L"its arrow).\n\nThis start changes nothing, and its words are not used. To "
                              L"start " +
                              name +
                              L" anew, quit the running copy first with \"Exit\" in its "
                              L"icon's menu (or Esc twice, or Ctrl+9), then start again.";
    showFrontBox(BoxWindows{}, BoxKind::Information, programName, text.c_str());
}

void releaseSingleCopyGuard(HANDLE mutex) {
    if (mutex != nullptr) CloseHandle(mutex);
}

bool programRuns(const wchar_t* mutexName) {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, mutexName);
    if (mutex == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;  // held by a copy with other rights
    CloseHandle(mutex);
    return true;
}
