#include "randomiser/run_sequence.h"

#include "common/crt_random.h"
#include "randomiser/allocation/civ_assignment.h"
#include "randomiser/allocation/team_assignment.h"
#include "randomiser/output/chat_files.h"
#include "randomiser/output/report.h"
#include "randomiser/startup/command_line.h"

bool computeStartup(Randomiser& randomiser, int64_t seed, std::vector<std::wstring>& words) {
    randomiser.seed = seed;
    crtSrand(static_cast<uint32_t>(seed));
    if (!parseCommandLine(randomiser, words)) return false;
    const OptionSet& options = randomiser.options;
    if (options.validate_only || options.repost_only) return true;
    // fair_teams avoids the line-up of the match that data.txt holds.
    if (options.fair_teams) readPreviousMatch(randomiser.players, randomiser.previous_match);
    assignTeams(randomiser);
    if (prepareCivDraw(randomiser) && !options.omit_civs) assignCivs(randomiser);
    buildReport(randomiser);
    return true;
}
