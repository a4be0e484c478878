#pragma once
// What the files of the Windows shell share: the program's state and the
// operations each file offers the others.
#include <windows.h>

#include <string>
#include <vector>

#include "common/hotkey_latch.h"
#include "randomiser/output/typing_player.h"
#include "randomiser/state/randomiser_state.h"

extern Randomiser g_randomiser;                  // everything computed at start-up (and at each draw again)
extern std::vector<std::wstring> g_start_words;  // the words the run started with, for a draw again

// tray_notes_win32.cpp
std::wstring startBalloon();  // the balloon of the start: the mode of the run and its notes
void showDrawNote();          // the teams in a balloon, the seed and spread in the tip

// overlord_windows_win32.cpp
void openRuleSelection();
void openTooltips();
void openCredits();

// hotkeys_win32.cpp
bool mayRenewHook();  // not while a sequence types
void handleHotkey(Hotkey hotkey);
bool typingInProgress();
void resumeTyping();  // plays the sequence on from where it waits
void stopTyping();    // when the program ends: see interruptSequence

// typing_port_win32.cpp
TypingPort& typingPort();
