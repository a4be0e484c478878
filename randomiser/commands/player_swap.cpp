#include "randomiser/commands/player_swap.h"

#include <memory>
#include <utility>

#include "common/crt_random.h"
#include "randomiser/allocation/civ_assignment.h"
#include "randomiser/allocation/split_rules.h"
#include "randomiser/allocation/team_assignment.h"
#include "randomiser/output/report.h"
#include "randomiser/output/team_chances.h"

namespace {

bool isPlayer(const PlayerTable& players, int p) { return p >= 0 && p < players.player_count; }

// The teams after the swap of a and b: their team numbers exchanged and,
// when the teams are scored, their places in the roster too, then the
// scores counted again.
void exchangeTeams(Randomiser& randomiser, int a, int b) {
    PlayerTable& players = randomiser.players;
    std::swap(players.player_teams[a], players.player_teams[b]);
    if (!allRated(players)) return;  // the unrated draw keeps no roster and no scores
    int(&roster)[kMaxTeams][kMaxTeamSize] = randomiser.teams.team_roster;
    const int size = teamSize(players);
    for (int t = 0; t < players.team_count; ++t) {
        for (int s = 0; s < size; ++s) {
            if (roster[t][s] == a) {
                roster[t][s] = b;
            } else if (roster[t][s] == b) {
                roster[t][s] = a;
            }
        }
    }
    numberTeams(randomiser);
}

// The civilisations for the teams as they are now, drawn as the start draws
// them once the teams are known.
void drawCivsAgain(Randomiser& randomiser) {
    crtSrand(randomiser.host_swaps.generator_after_teams);
    randomiser.civ_draw = CivDrawState{};
    if (prepareCivDraw(randomiser) && !randomiser.options().omit_civs) assignCivs(randomiser);
}

}  // namespace

int playerIndexOfName(const PlayerTable& players, const std::wstring& name) {
    for (int p = 0; p < players.player_count; ++p) {
        if (name == players.player_names[p]) return p;
    }
    return -1;
}

bool runHasDrawnTeams(const Randomiser& randomiser) {
    const OptionSet& options = randomiser.options();
    return !options.validate_only && !options.repost_only && options.record_result == '\0' &&
           randomiser.players.player_count > 0;
}

std::wstring swapRefusal(const Randomiser& randomiser, int a, int b) {
    const PlayerTable& players = randomiser.players;
    if (!runHasDrawnTeams(randomiser)) return L"There are no drawn teams to swap in this run";
    if (!isPlayer(players, a) || !isPlayer(players, b)) return L"Choose two players of the match";
    const std::wstring names = std::wstring(players.player_names[a]) + L" and " + players.player_names[b];
    if (a == b) return L"Choose two different players";
    if (players.player_teams[a] == players.player_teams[b])
        return names + L" are both in team " + std::to_wstring(players.player_teams[a]);
    if (randomiser.host_swaps.swap_count >= kMaxSwaps)
        return L"At most " + std::to_wstring(kMaxSwaps) + L" swaps a draw; Ctrl+0 draws again";
    int after[kPlayerSlots] = {};
    for (int p = 0; p < players.player_count; ++p) after[p] = players.player_teams[p];
    std::swap(after[a], after[b]);
    return splitRuleBroken(randomiser, players.player_teams, after);
}

std::wstring swapPlayers(Randomiser& randomiser, int a, int b) {
    const std::wstring refusal = swapRefusal(randomiser, a, b);
    if (!refusal.empty()) return refusal;
    exchangeTeams(randomiser, a, b);
    SwapState& swaps = randomiser.host_swaps;
    swaps.swaps[swaps.swap_count++] = PlayerSwap{a, b};
    drawCivsAgain(randomiser);
    buildReport(randomiser);
    return L"";
}

std::wstring swapListEntry(const Randomiser& randomiser, int p) {
    return std::wstring(randomiser.players.player_names[p]) + L" (team " +
           std::to_wstring(randomiser.players.player_teams[p]) + L")";
}

std::wstring swapPreviewText(const Randomiser& randomiser, int a, int b) {
    const std::wstring refusal = swapRefusal(randomiser, a, b);
    if (!refusal.empty()) return refusal;
    if (!allRated(randomiser.players)) return L"After the swap: no scores, a rating is missing";
    std::unique_ptr<Randomiser> trial(new Randomiser(randomiser));  // large: on the heap
    exchangeTeams(*trial, a, b);
    const PlayerTable& players = trial->players;
    std::wstring text = L"After the swap:";
    for (int t = 0; t < players.team_count; ++t) {
        text += (t == 0 ? L" Team " : L", Team ") + std::to_wstring(t + 1) + L" " +
                std::to_wstring(trial->teams.team_scores[t]);
    }
    const OptionSet& options = trial->options();
    if (!options.fair_teams && !options.learned_ratings) return text;
    int teamOf[kPlayerSlots] = {};
    for (int p = 0; p < players.player_count; ++p) teamOf[p] = players.player_teams[p] - 1;
    double chances[kMaxTeams] = {};
    teamWinChances(players, trial->history, teamOf, chances);
    return text + L" \u00B7 win chance " + winChancePercents(chances, players.team_count);
}
