#pragma once
#include <string>

#include "randomiser/output/typing_sequence.h"

// A sequence written compactly for comparisons: "ctrl" for the Ctrl wait,
// "pace N" for the least time between line starts, "[text]" for typed text (a
// typed line feed shows as \n), "enter", "wait N", "save" and "quit",
// separated by blanks.
std::string sequenceText(const TypingSequence& steps);
