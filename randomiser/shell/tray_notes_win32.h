#pragma once
// What the randomiser says at its tray icon.
#include <string>

// The balloon of the start: the mode of the run and what the host must know
// of it.
std::wstring startBalloon();

// The draw: the teams in a balloon, the seed and the spread in the tip; only
// in a run that computed a match, once the icon is added.
void showDrawNote();
