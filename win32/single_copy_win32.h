#pragma once
// One running copy of each program, and what each program knows of the
// other: the names of their single-copy mutexes, in one place.
#include <windows.h>

extern const wchar_t* const kSortilaneMutexName;
extern const wchar_t* const kRostrixMutexName;

// Creates the named mutex that keeps one copy of the program running. True
// when another copy holds it (it exists already, or this copy may not open
// it because a copy started by another user or elevated differently holds
// it): this copy must end. Otherwise mutex holds the guard, or is null with
// a debug line when the mutex could not be made for another reason; the
// program then runs without the guard.
bool anotherCopyRuns(const wchar_t* mutexName, HANDLE& mutex);

// Tells the host, in a box of its own, that the program (its name as the host
// knows it) already runs in the notification area, that this start changes
// nothing, and how to quit the running copy.
void sayAlreadyRunning(const wchar_t* programName);

// Closes the guard made by anotherCopyRuns, when there is one.
void releaseSingleCopyGuard(HANDLE mutex);

// Whether a program holds its single-copy mutex of that name now. The mutex
// is opened and closed at once, so that it ends with its program.
bool programRuns(const wchar_t* mutexName);
