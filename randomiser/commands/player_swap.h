#pragma once
#include <string>

#include "randomiser/state/randomiser_state.h"

// A swap after the draw: the host exchanges the teams of two players, and the
// civilisations are drawn again for the new teams from the generator state
// that followed the team draw (host_swaps.generator_after_teams), so the same
// seed, words and swaps always give the same report. Everything that follows
// from the teams (scores, handicap tiers, the report and its Results.txt
// line, the draw's balloon and tip) is computed again. A draw again (Ctrl+0)
// starts without the swaps. The report's cells of the swaps are in
// randomiser/output/swap_cells.h.

// The tray menu's row that opens the swap window.
constexpr const wchar_t* kSwapMenuRow = L"Swap two players\u2026";

// The run has teams the host may swap: a match was drawn, not a repost,
// rematch, validate or result run. The tray menu offers the swap only then.
bool runHasDrawnTeams(const Randomiser& randomiser);

// The index of the player of that name (as PlayerData.txt spells it), -1 for
// none.
int playerIndexOfName(const PlayerTable& players, const std::wstring& name);

// Why players a and b cannot be swapped now, such as "Senna and Orrick are
// both in team 1"; empty when they can.
std::wstring swapRefusal(const Randomiser& randomiser, int a, int b);

// Swaps players a and b unless swapRefusal refuses it; returns the refusal,
// empty when swapped.
std::wstring swapPlayers(Randomiser& randomiser, int a, int b);

// A player as the swap window lists it: "Senna (team 1)".
std::wstring swapListEntry(const Randomiser& randomiser, int p);

// What the teams would be after swapping a and b, before the host confirms:
// "After the swap: Team 1 1550, Team 2 1550" and, when the match knows the
// players' skills (fair_teams or learned_ratings), " · win chance 50% 50%";
// without every rating "After the swap: no scores, a rating is missing". The
// refusal instead when the swap is refused.
std::wstring swapPreviewText(const Randomiser& randomiser, int a, int b);
