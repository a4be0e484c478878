#include "randomiser/allocation/handicap_reshape.h"

#include <climits>
#include <utility>

namespace {

int civValue(const CivRecord& civ, int basis) {
    switch (basis) {
        case 1: return civ.tier;
        case 2: return civ.eco;
        case 3: return civ.military;
        default: return civ.impact;
    }
}

// One rule of a reshape pass: a player of class playerLow..player_high whose
// civilisation value lies in valueLow..value_high swaps with the first
// teammate of class partnerLow or more whose value lies in partnerValueLow..partner_value_high.
struct ReshapeRule {
    int pass;
    int player_low, player_high;
    int value_low, value_high;
    int partner_low;
    int partner_value_low, partner_value_high;
};

constexpr ReshapeRule kReshapeRules[] = {
    {1, 1, 1, 4, INT_MAX, 2, INT_MIN, 3}, {1, 1, 1, 3, 3, 2, INT_MIN, 2}, {1, 1, 1, 2, 2, 2, 1, 1},
    {2, 2, 2, 4, INT_MAX, 3, INT_MIN, 3}, {2, 2, 2, 3, 3, 3, INT_MIN, 2}, {3, 1, 3, 4, INT_MAX, 4, INT_MIN, 3},
    {4, 1, 4, 4, INT_MAX, 5, INT_MIN, 3},
};

}  // namespace

uint8_t handicapApplies(const OptionSet& options, const TeamState& teams) {
    return options.handicap || (teams.fmt_present && !options.fmt_uncounter) ? 1 : 0;
}

int handicapShift(int teamScore, int average) {
    int64_t s = teamScore;
    int64_t a = average;
    if (s > a + 150) return -2;
    if (s > a + 75) return -1;
    if (s < a - 150) return 2;
    if (s < a - 75) return 1;
    return 0;
}

bool shiftTiersForHandicap(const TeamState& teams, PlayerTable& players, CivDrawState& draw, int t) {
    const TierLists& lists = draw.tier_lists;
    int shift = handicapShift(teams.team_scores[t], teams.team_score_average);
    if (shift == 0) return false;
    int bound = shift < 0 ? 0 : kTierCount - 1;
    int k = 0;
    for (int p = 0; p < players.player_count; ++p) {
        if (players.player_teams[p] != t + 1) continue;
        int tier = players.player_tiers[p];
        do {
            tier += shift;
            if (tier < 0) tier = 0;
            if (tier > kTierCount - 1) tier = kTierCount - 1;
        } while (lists.count[tier] == 0 && tier != bound);
        if (lists.count[tier] == 0) {
            // At the bound: the nearest tier with civilisations, looking back
            // from the bound (when raising, down to tier index 0).
            int from = tier;
            for (int step = 0; step < kTierCount; ++step) {
                int candidate = shift < 0 ? from + step : from - step;
                if (lists.count[candidate] > 0) {
                    tier = candidate;
                    break;
                }
            }
        }
        players.player_tiers[p] = tier;
        draw.slot_tiers[k++] = tier + 1;  // in player order: the redraw of the team picks its slots from these
    }
    return true;
}

void reshapeTeam(const Allocation& match, int team) {
    CivDrawState& draw = match.civ_draw;
    PlayerTable& players = match.players;
    const std::vector<CivRecord>& civs = match.game.civ_table;
    if (draw.reshape_amount < 1 || draw.reshape_amount > 3) draw.reshape_amount = 4;
    int basis = draw.reshape_amount;
    auto value = [&](int p) { return civValue(civs[players.player_civs[p]], basis); };
    for (int pass = 1; pass <= 4; ++pass) {
        for (int p = 0; p < players.player_count; ++p) {
            if (players.player_teams[p] != team) continue;
            for (const ReshapeRule& rule : kReshapeRules) {
                int cls = players.player_rating_classes[p];
                int v = value(p);
                if (rule.pass != pass || cls < rule.player_low || cls > rule.player_high || v < rule.value_low ||
                    v > rule.value_high)
                    continue;
                for (int q = 0; q < players.player_count; ++q) {
                    if (q == p || players.player_teams[q] != team ||
                        players.player_rating_classes[q] < rule.partner_low)
                        continue;
                    int w = value(q);
                    if (w < rule.partner_value_low || w > rule.partner_value_high) continue;
                    std::swap(players.player_civs[p], players.player_civs[q]);
                    break;
                }
                break;  // the rules of one pass exclude each other
            }
        }
    }
}
