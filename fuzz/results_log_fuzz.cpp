// Feeds arbitrary bytes to the reader of Results.txt and checks that every
// match it accepts holds what the replay relies on, that the offsets it keeps
// point at the result field, and that a match written back reads the same.
#include <cstdint>
#include <string>

#include "ratings/results_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ResultsLog log = parseResults(bytes);
    for (const MatchLine& match : log.matches) {
        if (match.players.empty() || match.players.size() > 8) __builtin_trap();
        if (match.result_offset >= bytes.size() || bytes[match.result_offset] != match.result) __builtin_trap();
        if (!isResultChar(match.result)) __builtin_trap();
        const ResultsLog again = parseResults(formatMatchLine(match) + "\r\n");
        if (again.matches.size() != 1 || again.matches[0].players.size() != match.players.size()) __builtin_trap();
    }
    return 0;
}
