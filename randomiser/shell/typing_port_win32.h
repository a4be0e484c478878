#pragma once
// The typing player on Windows: one sequence at a time, typed into the window
// that has the focus, waiting on timers so that the message loop (and with it
// the keyboard hook) keeps being answered.
#include "randomiser/output/typing_player.h"

// Starts typing the sequence in the style (real key presses or not); an
// error shows in the error box, and a sequence that ends the program quits.
void playSequence(TypingSequence steps, const TypingStyle& style);

bool typingInProgress();

// Whether the sequence that types would end the program at its end.
bool typingEndsProgram();

// Stops the sequence at once: a report whose typing began is saved whole
// (see interruptSequence).
void stopTyping();
