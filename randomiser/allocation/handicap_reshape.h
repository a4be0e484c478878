#pragma once
#include <cstdint>

#include "randomiser/state/randomiser_state.h"

// The two rating-based adjustments of a civilisation draw. The handicap moves
// a team's tiers by its score against the average (the civilisation draw then
// draws the team again); reshape swaps civilisations with high values to the
// higher-rated players of a team.

// Whether the handicap applies: asked for, or friends may team (the teams
// hold an FMT group) and fmt_uncounter does not keep it off. 1 or 0.
uint8_t handicapApplies(const OptionSet& options, const TeamState& teams);

// The tier shift of a team: -2 or -1 for a strong team, +1 or +2 for a weak
// one, 0 within 75 of the average.
int handicapShift(int teamScore, int average);

// Moves the tiers of the players of team t+1 (t is 0-based) by the team's
// shift, past tiers without civilisations, and writes them as the slot tiers.
// False, with nothing changed, when the shift is 0.
bool shiftTiersForHandicap(const TeamState& teams, PlayerTable& players, CivDrawState& draw, int t);

// Moves civilisations with high values to the higher-rated players of team
// number team (1-based) by swapping player_civs.
void reshapeTeam(const Allocation& match, int team);
