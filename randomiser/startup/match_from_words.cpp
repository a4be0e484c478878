#include "randomiser/startup/match_from_words.h"

#include <algorithm>

#include "common/crt_random.h"
#include "common/debug_log.h"
#include "common/text_convert.h"
#include "randomiser/allocation/civ_assignment.h"
#include "randomiser/allocation/fair_teams.h"
#include "randomiser/allocation/host_rules.h"
#include "randomiser/allocation/team_assignment.h"
#include "randomiser/output/chat_files.h"
#include "randomiser/output/report.h"
#include "randomiser/startup/command_line.h"
#include "randomiser/startup/results_history.h"

namespace {

// Logs why the rule text at path cannot be typed; false then.
bool ruleTextUsable(const wchar_t* path) {
    std::string bytes;
    const RuleFileStatus status = readRuleFile(path, bytes);
    const std::string name = toUtf8(path);
    if (status == RuleFileStatus::Missing) debugLog("Rule text not found - %s", name.c_str());
    if (status == RuleFileStatus::Unreadable) debugLog("Rule text cannot be read - %s", name.c_str());
    if (status == RuleFileStatus::TooLong)
        debugLog("Rule text over %d bytes - %s", static_cast<int>(kRuleTextMaxBytes), name.c_str());
    return status == RuleFileStatus::Read;
}

}  // namespace

bool checkRuleTexts(const Randomiser& randomiser) {
    std::vector<std::wstring> checked = {randomiser.options().usual_rules_path};
    bool usable = ruleTextUsable(randomiser.options().usual_rules_path);
    for (const RuleRecord& rule : randomiser.game.rule_table) {
        if (std::find(checked.begin(), checked.end(), rule.path) != checked.end()) continue;
        checked.push_back(rule.path);
        usable = ruleTextUsable(rule.path) && usable;
    }
    return usable;
}

bool computeMatch(Randomiser& randomiser, int64_t seed, std::vector<std::wstring>& words) {
    randomiser.seed = seed;
    crtSrand(static_cast<uint32_t>(seed));
    if (!parseCommandLine(randomiser, words)) return false;
    const OptionSet& options = randomiser.options();
    if (options.record_result != '\0') return true;  // the program records it; there is no match to draw
    if (options.repost_only) return savedResultExists();
    if (options.validate_only) return checkRuleTexts(randomiser);
    // The history: fair_teams avoids the teammates of tonight's matches,
    // learned_ratings takes its ratings, standings tonight's wins and losses.
    if (options.fair_teams || options.learned_ratings || options.standings)
        readMatchHistory(randomiser.players, reportedSeed(randomiser.seed), randomiser.history);
    if (options.learned_ratings) useLearnedRatings(randomiser.history, randomiser.players);
    if (!checkHostRules(randomiser)) return false;
    assignTeams(randomiser);
    // A swap after the draw draws the civilisations again from here.
    randomiser.host_swaps.generator_after_teams = crtState();
    logUnfairTeams(randomiser);
    if (prepareCivDraw(randomiser) && !options.omit_civs) assignCivs(randomiser);
    buildReport(randomiser);
    return true;
}
