#pragma once
// The randomiser's state, made at start-up in sortilane_main_win32.cpp and
// read by the files of its shell.
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"

extern Randomiser g_randomiser;                  // everything computed at start-up (and at each draw again)
extern std::vector<std::wstring> g_start_words;  // the words the run started with, for a draw again
