#include "win32/single_copy_win32.h"

#include "common/debug_log.h"

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
    if (mutex == nullptr)
        debugLog("Could not create the single-instance mutex (error %lu); running without it", error);
    return false;
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
