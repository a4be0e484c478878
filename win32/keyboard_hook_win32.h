#pragma once
// The system-wide keyboard hook of both programs. The hook procedure feeds
// each key event to the portable latch, posts the hotkey it starts to the
// program's main window and returns at once; every key goes on to the next
// hook, never swallowed. The command runs from the message loop. The hook is
// installed anew every period, first in line again.
#include <windows.h>

#include "common/hotkey_latch.h"

// Posted by the hook to the main window: kHotkeyMessage with the digit of a
// command in wParam, kEscMessage with the time of the Esc key event in lParam.
constexpr UINT kHotkeyMessage = WM_APP + 1;
constexpr UINT kEscMessage = WM_APP + 3;  // WM_APP + 2 is the tray icon's

// How often the hook is installed anew: 30 s. The end-to-end test of the
// renewal builds each program with a shorter period.
#ifndef BRENLOW_HOOK_RENEWAL_MS
#define BRENLOW_HOOK_RENEWAL_MS 30000
#endif
constexpr UINT kHookRenewalMs = BRENLOW_HOOK_RENEWAL_MS;

// The hotkey that a kHotkeyMessage or kEscMessage carries.
Hotkey hotkeyOfMessage(UINT message, WPARAM wParam, LPARAM lParam);

// Installs the hook, posting to window, and starts its renewal every
// renewalMs; mayRenew (when not null) can put a renewal off to the next
// period. False, with a debug line, when the hook cannot be installed.
bool installKeyboardHook(HWND window, UINT renewalMs, bool (*mayRenew)());

// Installs the hook anew at once, first in line again.
void renewKeyboardHook();

// Whether either Ctrl key is held down now.
bool ctrlKeyHeld();

// Calls run(value) from a timer once no Ctrl key is held, or after
// kCtrlReleaseLimitMs, and in any case only after the keyboard input still
// pending is handled: a window that a hotkey opens then takes neither the
// Ctrl key-up from the game nor the digit. Calls asked for meanwhile run in
// the order asked.
void runOnceCtrlReleased(void (*run)(int), int value);
