#pragma once
// What the files of the Windows shell share: the program's state, the main
// window and the operations each file offers the others.
#include <windows.h>

#include "randomiser/output/typing_player.h"
#include "randomiser/randomiser_state.h"

extern Randomiser g_randomiser;  // everything computed at start-up

// Posted by the keyboard hook to the main window; wParam holds the key's
// virtual-key code.
constexpr UINT kHotkeyMessage = WM_APP + 1;
constexpr int kCloseCommand = 105;

// main_window_win32.cpp
WNDPROC mainWindowProcedure();
void resetWindowState();
bool createMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title);
HWND mainWindow();
void showError(const wchar_t* text);
void releaseSplashPicture();
int screenWidth();
int screenHeight();
void shutdown();

// overlord_windows_win32.cpp
extern const wchar_t* const kOverlordClass;
extern const wchar_t* const kProgramTitle;
LRESULT CALLBACK overlordWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HWND overlordWindow();
bool openRuleSelection();
bool openTooltipWindow();
bool openCreditsWindow();
void closeOverlordWindow();
void releaseOverlordState();  // at shutdown: pictures, window and title font

// hotkeys_win32.cpp
bool installKeyboardHook();  // and renew it from then on, while nothing types
void handleHotkey(unsigned virtualKey);
void resumeTyping();  // plays the sequence on from where it waits
void stopTyping();    // when the program ends: see interruptSequence

// typing_port_win32.cpp
TypingPort& typingPort();
