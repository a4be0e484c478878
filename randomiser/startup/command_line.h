#pragma once
#include <string>
#include <vector>

#include "randomiser/state/randomiser_state.h"

// Turns the command-line words (word 0 is the program path) into the option
// set, loading the game data between its two passes; in both, each word takes
// its own values, so a value is never read as a word ("rules rating" names a
// rule text). Every word is lower-cased in place. False when a word is no
// option or the data cannot be loaded; the reason stands in the debug log.
// "result N" stands alone and loads nothing: it only sets record_result.
bool parseCommandLine(Randomiser& randomiser, std::vector<std::wstring>& words);

// Whether the words (word 0 is the program path) hold "result", in any
// case: such a run only records a result, drawing and typing nothing, so it
// runs beside a randomiser that runs already.
bool asksForResult(const std::vector<std::wstring>& words);

// Every option word the parser accepts, in the order of its table (the words
// that follow an option, such as the kinds of "script" and "remove", are not
// among them).
std::vector<std::wstring> optionWords();
