#include "randomiser/startup/run_sequence.h"

#include "common/crt_random.h"
#include "randomiser/startup/command_line.h"

bool computeStartup(Randomiser& randomiser, int64_t seed, std::vector<std::wstring>& words) {
    randomiser.seed = seed;
    crtSrand(static_cast<uint32_t>(seed));
    return parseCommandLine(randomiser, words);
}
