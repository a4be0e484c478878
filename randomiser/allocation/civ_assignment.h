#pragma once
#include "randomiser/state/randomiser_state.h"

// Copies the options that the draw changes into civ_draw, builds the tier
// lists and, under varied_tier_ratios, adjusts the weights and draws the slot
// tiers. False (the reason in the debug log, except when every
// weight is 0) when the options leave no civilisation to draw; then no
// civilisation is assigned, and civ_draw.civs_not_drawn tells the report.
bool prepareCivDraw(const Allocation& match);

// Gives every player a civilisation-table index in player_civs and a tier
// index in player_tiers: team 1 draws, later teams mirror its tiers, then
// handicap and reshape apply.
void assignCivs(const Allocation& match);

// Draws the civilisations of team t+1 (t is 0-based) from the team-1 record,
// the slot tiers or the reference civilisations.
void assignTeamCivs(const Allocation& match, int t);

// Shifts the tiers of team t+1 by its score against the average, then draws
// the team again.
void applyHandicap(const Allocation& match, int t);

// A tier number 1..4 drawn by the weights in civ_draw.tier_ratios.
int drawWeightedTier(const Allocation& match);

// A tier index from the slot tiers, at a position not yet taken in the team;
// the position goes to slot.
int drawSlotTier(const Allocation& match, int& slot);

// team_random: one civilisation and tier for each team.
void drawReferenceCivs(const Allocation& match);
