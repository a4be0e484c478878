#include "randomiser/allocation/civ_assignment.h"

#include <algorithm>

#include "common/crt_random.h"
#include "common/debug_log.h"
#include "randomiser/allocation/handicap_reshape.h"

// Every draw below comes from crtRand() in a fixed order, and a seed gives the
// same report only while that order and the number of draws stay as they are.
// The one-line notes mark the choices that the order depends on.

namespace {

constexpr int kTryGuard = 1000;     // tries before score_combo is dropped or repeat_ally is set
constexpr int kEnemyGuard = 2000;   // tries before a later-team player may repeat an enemy
constexpr int kClashGuard = 10000;  // team_random retries before two teams may share
constexpr int kGuardRepeatCombo = 80;

bool anyTierRange(const OptionSet& options) {
    return options.tier_range_low || options.tier_range_mid || options.tier_range_high;
}

// The tier range applies the first that is set of low, high, mid.
bool rangeRefuses(const OptionSet& options, int tier) {
    if (options.tier_range_low) return tier > 1;
    if (options.tier_range_high) return tier < 2;
    if (options.tier_range_mid) return tier == 0 || tier == 3;
    return false;
}

bool tierEmpty(const TierLists& lists, int tier) { return tier < 0 || tier >= kTierCount || lists.count[tier] == 0; }

bool comboActive(const CivDrawState& draw) { return draw.score_combo >= 1 && draw.score_combo <= 4; }

// A low-rated team-1 player refuses these civilisations under a score combo.
bool comboRefuses(int combo, const CivRecord& civ) {
    switch (combo) {
        case 1: return civ.eco >= 3;
        case 2: return civ.military >= 3;
        case 3: return civ.military >= 3 && civ.eco >= 3;  // only a civilisation strong in both is refused
        default: return civ.impact >= 3;
    }
}

// A civilisation that keeps a score combo on under varied_tier_ratios.
bool comboQualifies(int combo, const CivRecord& civ) {
    switch (combo) {
        case 1: return civ.eco < 3;
        case 2: return civ.military < 3;
        case 3: return civ.eco < 3 && civ.military < 3;  // stricter than the refusal: weak in both
        default: return civ.impact < 3;
    }
}

void buildTierLists(const GameTables& game, TierLists& lists) {
    lists = TierLists{};
    int civCount = static_cast<int>(game.civ_table.size());
    for (int tier = 0; tier < kTierCount; ++tier) {
        for (int c = 0; c < civCount && lists.count[tier] < kMaxListEntries; ++c) {
            if (game.civ_table[c].tier == tier + 1) lists.civs[tier][lists.count[tier]++] = c;
        }
    }
}

// A tier that the tier draws can end on: it holds civilisations, the tier
// range lets it pass and, under varied_tier_ratios, it has a weight.
bool tierDrawable(const Allocation& match, int tier) {
    const OptionSet& options = match.options;
    const CivDrawState& draw = match.civ_draw;
    if (tierEmpty(draw.tier_lists, tier) || rangeRefuses(options, tier)) return false;
    return !options.varied_tier_ratios || draw.tier_ratios[tier] > 0;
}

bool anyTierDrawable(const Allocation& match) {
    for (int tier = 0; tier < kTierCount; ++tier) {
        if (tierDrawable(match, tier)) return true;
    }
    return false;
}

void applyRangeToWeights(const OptionSet& options, int32_t (&w)[kTierCount]) {
    int keepLow = -1;
    if (options.tier_range_low) {
        w[2] = w[3] = 0;
        keepLow = 0;
    } else if (options.tier_range_high) {
        w[0] = w[1] = 0;
        keepLow = 2;
    } else if (options.tier_range_mid) {
        w[0] = w[3] = 0;
        keepLow = 1;
    }
    if (keepLow >= 0 && w[keepLow] == 0 && w[keepLow + 1] == 0) w[keepLow] = w[keepLow + 1] = 1;
}

void checkComboAvailable(const Allocation& match) {
    const OptionSet& options = match.options;
    CivDrawState& draw = match.civ_draw;
    if (anyTierRange(options) || !comboActive(draw)) return;
    for (const CivRecord& civ : match.game.civ_table) {
        bool weighted = civ.tier >= 1 && civ.tier <= kTierCount && draw.tier_ratios[civ.tier - 1] > 0;
        if (weighted && comboQualifies(draw.score_combo, civ)) return;
    }
    debugLog("No Available civ selection for Combo Option %i", draw.score_combo);
    draw.score_combo = 0;
}

// Without weights: a tier index by rand() % 4, drawn again until it holds
// civilisations and the tier range lets it pass.
int drawUniformTier(const Allocation& match) {
    int tier;
    do {
        tier = crtRand() % kTierCount;
    } while (tierEmpty(match.civ_draw.tier_lists, tier) || rangeRefuses(match.options, tier));
    return tier;
}

// Weighted slot tiers; false when one that team 1 would read has no civilisations.
bool drawWeightedSlotTiers(const Allocation& match) {
    CivDrawState& draw = match.civ_draw;
    int size = teamSize(match.players);
    // Every slot tier is drawn, also when single_tier or team_random will not read them.
    for (int j = 0; j < size; ++j) draw.slot_tiers[j] = drawWeightedTier(match);
    if (match.options.single_tier || match.options.team_random) return true;
    for (int j = 0; j < size; ++j) {
        if (tierEmpty(draw.tier_lists, draw.slot_tiers[j] - 1)) {
            debugLog("Varied Tier Slot %i Drew Tier %i Which Holds No Civ", j, draw.slot_tiers[j]);
            return false;
        }
    }
    return true;
}

bool prepareWeights(const Allocation& match) {
    CivDrawState& draw = match.civ_draw;
    const TierLists& lists = draw.tier_lists;
    draw.civ_cycle = 1;
    bool anyWeight = false;
    for (int tier = 0; tier < kTierCount; ++tier) {
        if (lists.count[tier] == 0 || draw.tier_ratios[tier] <= 0) draw.tier_ratios[tier] = 0;
        if (draw.tier_ratios[tier] > 0) anyWeight = true;
    }
    if (!anyWeight) return false;
    applyRangeToWeights(match.options, draw.tier_ratios);
    if (!anyTierDrawable(match)) {
        debugLog("No Weighted Civ Tier Holds A Civ Within The Tier Range");
        return false;
    }
    checkComboAvailable(match);
    return drawWeightedSlotTiers(match);
}

// Where a walk goes next inside a list of count places.
int stepPlace(int pos, int direction, int count) {
    if (direction == 1) return pos + 1 >= count ? 0 : pos + 1;
    return pos <= 0 ? count - 1 : pos - 1;
}

// Index of a player 0..player_count-1 holding list place pos of tier, the
// first of team team when one of that team does; -1 when nobody holds it.
int holderOf(const PlayerTable& players, const CivDrawState& draw, int tier, int pos, int team) {
    int holder = -1;
    for (int q = 0; q < players.player_count; ++q) {
        if (players.player_tiers[q] != tier || draw.civ_places[q] != pos) continue;
        // A teammate comes first: whether an ally repeat is allowed depends on the holder's team.
        if (players.player_teams[q] == team) return q;
        if (holder < 0) holder = q;
    }
    return holder;
}

void takeChoice(PlayerTable& players, CivDrawState& draw, int p, const CivChoice& choice) {
    players.player_civs[p] = choice.civ;
    draw.civ_places[p] = choice.place;
    players.player_tiers[p] = choice.tier;
}

void clearSlotsTaken(CivDrawState& draw) {
    for (uint8_t& taken : draw.slot_taken) taken = 0;
}

void drawTeamOne(const Allocation& match) {
    const OptionSet& options = match.options;
    PlayerTable& players = match.players;
    CivDrawState& draw = match.civ_draw;
    const TierLists& lists = draw.tier_lists;
    int k = 0;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_teams[p] != 1) continue;
        if (options.team_random) {
            takeChoice(players, draw, p, draw.reference_civs[0]);
            continue;
        }
        int direction = crtRand() % 2;  // drawn first for every player, also when there is no walk
        int tier = 0;
        int pos = 0;
        int slot = -1;
        if (options.single_tier) {
            tier = options.single_tier_value - 1;
            // A walk needs a starting place in the single tier's list.
            if (draw.civ_cycle) pos = crtRand() % lists.count[tier];
        } else if (draw.civ_cycle) {
            tier = drawSlotTier(match, slot);  // the slot tier before the starting place
            pos = crtRand() % lists.count[tier];
        }
        int tries = 0;
        if (!options.repeat_same_team) draw.repeat_ally = 0;  // a guard's repeat_ally lasts for one player only
        for (;;) {
            if (draw.civ_cycle) {
                pos = stepPlace(pos, direction, lists.count[tier]);  // the walk steps before its first check
            } else if (options.single_tier) {
                pos = crtRand() % lists.count[tier];
            } else {
                do {
                    tier = crtRand() % kTierCount;
                } while (lists.count[tier] == 0);
                pos = crtRand() % lists.count[tier];
            }
            // The checks run in this order, after both draws; each refusal draws again.
            if (rangeRefuses(options, tier)) continue;
            if (!anyTierRange(options) && comboActive(draw) && players.player_rating_classes[p] <= 2 &&
                comboRefuses(draw.score_combo, match.game.civ_table[lists.civs[tier][pos]])) {
                if (++tries >= kTryGuard) draw.score_combo = 0;
                continue;
            }
            if (holderOf(players, draw, tier, pos, 1) >= 0 && !draw.repeat_ally) {
                if (++tries >= kTryGuard) draw.repeat_ally = 1;
                continue;
            }
            break;
        }
        draw.slot_tiers[k] = tier + 1;
        draw.team_one_record[k] = CivChoice{lists.civs[tier][pos], pos, tier};
        takeChoice(players, draw, p, draw.team_one_record[k]);
        // Only weighted slots are marked as taken: without weights team 1 may walk from one slot twice.
        if (options.varied_tier_ratios && slot >= 0) draw.slot_taken[slot] = 1;
        ++k;
    }
}

// A tier index for a team_random reference draw: weighted or rand() % 4,
// drawn again while the tier range refuses it or its list is empty.
int drawReferenceTier(const Allocation& match) {
    const TierLists& lists = match.civ_draw.tier_lists;
    for (;;) {
        int tier = match.options.varied_tier_ratios ? drawWeightedTier(match) - 1 : crtRand() % kTierCount;
        if (!rangeRefuses(match.options, tier) && lists.count[tier] > 0) return tier;
    }
}

// The draw starts its working values from the options.
void copyWorkingValues(const OptionSet& options, const TeamState& teams, CivDrawState& draw) {
    draw.handicap = handicapApplies(options, teams);
    draw.civ_cycle = options.civ_cycle;
    draw.repeat_ally = options.repeat_ally;
    std::copy(options.repeat_enemy, options.repeat_enemy + kPlayerSlots, draw.repeat_enemy);
    draw.repeat_combo = options.repeat_combo;
    draw.score_combo = options.score_combo;
    std::copy(options.tier_ratios, options.tier_ratios + kTierCount, draw.tier_ratios);
    draw.reshape_amount = options.reshape_amount;
}

// What prepareCivDraw does before it notes the outcome for the report.
bool prepareTierDraw(const Allocation& match) {
    const OptionSet& options = match.options;
    CivDrawState& draw = match.civ_draw;
    buildTierLists(match.game, draw.tier_lists);
    if (draw.tier_lists.count[0] + draw.tier_lists.count[1] + draw.tier_lists.count[2] + draw.tier_lists.count[3] ==
        0) {
        debugLog("No Civ Has A Tier From 1 To 4 - Civ Num ~ %i", static_cast<int>(match.game.civ_table.size()));
        return false;
    }
    if (options.varied_tier_ratios) {
        if (!prepareWeights(match)) return false;
    } else {
        if (!anyTierDrawable(match)) {
            debugLog("No Civ Tier Holds A Civ Within The Tier Range");
            return false;
        }
        if (draw.civ_cycle) {
            // A walk starts from a slot tier; without weights they are drawn
            // here, before team 1, as team 1 draws its tiers.
            for (int j = 0; j < teamSize(match.players); ++j) draw.slot_tiers[j] = drawUniformTier(match) + 1;
        }
    }
    if (options.single_tier) {
        // A value outside 1..4 names no tier and counts as an empty one.
        int value = options.single_tier_value;
        int tier = value >= 1 && value <= kTierCount ? value - 1 : -1;
        if (tierEmpty(draw.tier_lists, tier)) {
            debugLog("NULL Tier Passed For Single Civ Tier Option %i", value);
            return false;
        }
        if (rangeRefuses(options, tier)) {
            debugLog("Single Civ Tier Option %i Lies Outside The Tier Range", value);
            return false;
        }
    }
    return true;
}

}  // namespace

bool prepareCivDraw(const Allocation& match) {
    copyWorkingValues(match.options, match.teams, match.civ_draw);
    const bool prepared = prepareTierDraw(match);
    match.civ_draw.civs_not_drawn = prepared ? 0 : 1;
    return prepared;
}

int drawWeightedTier(const Allocation& match) {
    const int32_t(&w)[kTierCount] = match.civ_draw.tier_ratios;
    int64_t total = static_cast<int64_t>(w[0]) + w[1] + w[2] + w[3];
    if (total <= 0) return 1;  // callers ensure a weight; never divide by zero
    int64_t r = crtRand() % total;
    // r = 0 would fall to tier 1 below; without a weight on tier 1 it goes to the first weighted tier.
    if (w[0] == 0 && r == 0) {
        for (int tier = 1; tier < kTierCount; ++tier) {
            if (w[tier] > 0) return tier + 1;
        }
    }
    // r <= bound, not r < bound: the first weighted tier takes one value more than its
    // weight and the last one fewer, so with even weights tier 4 is never drawn.
    int64_t bound = w[0];
    if (r <= bound) return 1;
    bound += w[1];
    if (r <= bound) return 2;
    bound += w[2];
    if (r <= bound) return 3;
    return 4;
}

int drawSlotTier(const Allocation& match, int& slot) {
    CivDrawState& draw = match.civ_draw;
    int size = teamSize(match.players);
    int step = crtRand() % 2 == 1 ? 1 : -1;  // the direction to look in is drawn before the slot
    slot = crtRand() % size;
    for (int moved = 0; moved < size && draw.slot_taken[slot]; ++moved) slot = (slot + step + size) % size;
    return draw.slot_tiers[slot] - 1;
}

void drawReferenceCivs(const Allocation& match) {
    const OptionSet& options = match.options;
    CivDrawState& draw = match.civ_draw;
    const TierLists& lists = draw.tier_lists;
    for (CivChoice& entry : draw.reference_civs) entry = CivChoice{};
    // single_tier gives every team the single tier, reflective_tiers one shared drawn tier.
    bool sharedTier = options.single_tier || options.reflective_tiers;
    int shared = 0;
    if (options.single_tier) {
        shared = options.single_tier_value - 1;
    } else if (options.reflective_tiers) {
        shared = drawReferenceTier(match);
    }
    int direction = crtRand() % 2;  // one direction for every team, drawn after the shared tier
    int walkPos = -1;               // where the last walk stopped; none before the first team
    for (int j = 0; j < match.players.team_count; ++j) {
        int clashes = 0;
        for (;;) {
            int tier = sharedTier ? shared : drawReferenceTier(match);
            int count = lists.count[tier];
            int pos;
            if (draw.civ_cycle) {
                // A walk goes on from where the previous team's stopped, inside this tier's list.
                pos = walkPos < 0 ? crtRand() % count : stepPlace(walkPos % count, direction, count);
                walkPos = pos;
            } else {
                pos = crtRand() % count;
            }
            draw.reference_civs[j] = CivChoice{lists.civs[tier][pos], pos, tier};
            bool clash = false;
            for (int other = 0; other < kMaxTeams; ++other) {  // teams not yet drawn hold -1 and never clash
                if (other != j && draw.reference_civs[other].civ == draw.reference_civs[j].civ) clash = true;
            }
            if (!clash || ++clashes > kClashGuard) break;
        }
    }
}

void assignCivs(const Allocation& match) {
    const OptionSet& options = match.options;
    PlayerTable& players = match.players;
    CivDrawState& draw = match.civ_draw;
    for (int p = 0; p < players.player_count; ++p) {
        players.player_civs[p] = -1;
        players.player_tiers[p] = -1;
        draw.civ_places[p] = -1;
    }
    if (options.team_random) drawReferenceCivs(match);  // the reference civilisations come before team 1
    clearSlotsTaken(draw);
    drawTeamOne(match);
    for (int t = 1; t < players.team_count; ++t) assignTeamCivs(match, t);
    if (draw.handicap && options.use_ratings) {
        // Team by team, after every team is drawn: each redraw sees the teams redrawn before it.
        for (int t = 0; t < kMaxTeams; ++t) applyHandicap(match, t);
    }
    if (options.reshape) {
        for (int team = 1; team <= players.team_count; ++team) reshapeTeam(match, team);
    }
}

void assignTeamCivs(const Allocation& match, int t) {
    const OptionSet& options = match.options;
    PlayerTable& players = match.players;
    CivDrawState& draw = match.civ_draw;
    const TierLists& lists = draw.tier_lists;
    int size = teamSize(players);
    int team = t + 1;
    clearSlotsTaken(draw);
    int repeats = 0;
    int k = 0;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_teams[p] != team) continue;
        if (options.reflective[p]) {
            // Under team_random team 1 holds its reference civilisation, which
            // a reflective player copies. A copy draws nothing.
            takeChoice(players, draw, p, options.team_random ? draw.reference_civs[0] : draw.team_one_record[k]);
            ++k;
            continue;
        }
        if (options.team_random) {
            takeChoice(players, draw, p, draw.reference_civs[t]);
            continue;
        }
        int tier;
        int pos = 0;
        int direction = 0;
        int slot = -1;
        if (draw.civ_cycle) {
            tier = drawSlotTier(match, slot);  // here the slot tier comes before the direction, unlike team 1
            direction = crtRand() % 2;
            pos = crtRand() % lists.count[tier];
        } else if (options.single_tier) {
            tier = options.single_tier_value - 1;
        } else if (options.reflective_tiers) {
            tier = draw.team_one_record[k].tier;
        } else {
            do {
                slot = crtRand() % size;  // drawn again until the slot is free
            } while (draw.slot_taken[slot]);
            tier = draw.slot_tiers[slot] - 1;
        }
        int tries = 0;
        if (!options.repeat_same_team) draw.repeat_ally = 0;
        for (;;) {
            pos = draw.civ_cycle ? stepPlace(pos, direction, lists.count[tier]) : crtRand() % lists.count[tier];
            int holder = holderOf(players, draw, tier, pos, team);
            if (holder < 0) break;
            bool enemyRepeat = draw.repeat_enemy[p] && repeats < draw.repeat_combo;  // repeats count per team
            bool allyRepeat = players.player_teams[holder] == team && draw.repeat_ally;
            if (enemyRepeat || allyRepeat) {
                ++repeats;
                break;
            }
            ++tries;  // one count of this player's tries for both guards
            if (tries >= kTryGuard) draw.repeat_ally = 1;
            if (tries >= kEnemyGuard) {
                draw.repeat_enemy[p] = 1;
                draw.repeat_combo = kGuardRepeatCombo;
            }
        }
        takeChoice(players, draw, p, CivChoice{lists.civs[tier][pos], pos, tier});
        if (slot >= 0) draw.slot_taken[slot] = 1;
        ++k;
    }
}

void applyHandicap(const Allocation& match, int t) {
    const bool shifted = shiftTiersForHandicap(match.teams, match.players, match.civ_draw, t);
    if (shifted) assignTeamCivs(match, t);
}
