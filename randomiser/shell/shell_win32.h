#pragma once
// What the files of the Windows shell share: the program's state, the main
// window and the operations each file offers the others.
#include <windows.h>

#include <string>
#include <vector>

#include "common/hotkey_latch.h"
#include "randomiser/output/typing_player.h"
#include "randomiser/state/randomiser_state.h"
#include "win32/front_box_win32.h"

extern Randomiser g_randomiser;                  // everything computed at start-up (and at each draw again)
extern std::vector<std::wstring> g_start_words;  // the words the run started with, for a draw again

constexpr int kCloseCommand = 105;

// main_window_win32.cpp
WNDPROC mainWindowProcedure();
void resetWindowState();
bool createMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title);
// For a run that recorded a result: the main window hidden, without splash or
// hotkeys, and the tray icon with the note as its balloon; the message loop
// ends once the balloon has closed (10 s at most). False, with a debug line,
// when that cannot be shown.
bool showResultNote(HINSTANCE instance, const wchar_t* className, const wchar_t* title, const std::wstring& note);
HWND mainWindow();
// The windows and tray icon that a box of the randomiser is shown with.
BoxWindows boxWindows();
void showError(const wchar_t* text);     // through showFrontBox
void showDrawNote();                     // the teams in a balloon, the seed and spread in the tip
void showTrayNote(const wchar_t* text);  // a balloon at the tray icon, which takes no focus
int screenWidth();
int screenHeight();
void shutdown();

// overlord_windows_win32.cpp
extern const wchar_t* const kOverlordClass;
extern const wchar_t* const kProgramTitle;
bool openRuleSelection();
bool openTooltips();
bool openCredits();

// hotkeys_win32.cpp
bool mayRenewHook();  // not while a sequence types
void handleHotkey(Hotkey hotkey);
bool typingInProgress();
void resumeTyping();  // plays the sequence on from where it waits
void stopTyping();    // when the program ends: see interruptSequence

// typing_port_win32.cpp
TypingPort& typingPort();
