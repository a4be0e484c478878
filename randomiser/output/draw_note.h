#pragma once
#include <cstddef>
#include <string>

#include "randomiser/state/randomiser_state.h"

// What the host sees of a draw before the chat does: the tray balloon shown
// when the splash has gone (and after each Ctrl+0), and the icon's tooltip.

// The balloon's lines: one a team with its score and players (and their
// civilisations when drawn, unless the team lines cannot hold them in the
// balloon), then the map and the spread of the team scores, such as
//
//     T1 1460: Tobin_Quay (Korrundi), Senna (Candlewyk), Orrick (Calderach)
//     T2 1603: Halvard (Ysterhold), Mirelle (Sloughen), Pellworth (Zephrani)
//     Map: quillmoor · spread 143
//
// then the line of fewFairSplitsNote when it has one, then the notes (lines
// that each begin with a line feed): as many whole lines as maxUnits UTF-16
// units hold, and a last line "…" for the rest.
std::wstring drawBalloonText(const Randomiser& randomiser, const std::wstring& notes, size_t maxUnits);

// The line the draw's balloon adds when fair_teams found at most two fair
// splits, so that the evening's matches repeat or alternate their teams, and a
// wider margin would let in more, such as
//     Only 2 fair splits (margin 25): the teams take turns; fair_teams 61 allows 3
// (the margin that makes three splits fair, or one more than now when the
// friend groups leave fewer than three); empty otherwise.
std::wstring fewFairSplitsNote(const Randomiser& randomiser);

// The balloon's title: "Sortilane: the teams", or "Sortilane: draw 2".
std::wstring drawBalloonTitle(const Randomiser& randomiser);

// The tooltip: "Sortilane · seed 1412622073 · spread 143" (and the draw).
std::wstring drawTooltipText(const Randomiser& randomiser);
