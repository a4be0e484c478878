#include "ratings/learned_note.h"

#include "common/whole_file.h"
#include "ratings/rating_replay.h"
#include "ratings/results_file.h"

std::wstring learnedNewcomersNote(const std::vector<LearnedNewcomer>& newcomers) {
    std::wstring note;
    std::vector<bool> listed(newcomers.size(), false);
    for (size_t k = 0; k < newcomers.size(); ++k) {
        if (listed[k]) continue;
        const int matches = newcomers[k].rated_matches;
        note += (note.empty() ? L"learned from " : L"; learned from ") + std::to_wstring(matches) +
                (matches == 1 ? L" match: " : L" matches: ");
        for (size_t j = k; j < newcomers.size(); ++j) {
            if (newcomers[j].rated_matches != matches) continue;
            note += (j == k ? L"" : L", ") + newcomers[j].name;
            listed[j] = true;
        }
    }
    return note;
}

std::vector<int> ratedMatchesInResults(const std::vector<std::string>& names) {
    std::vector<int> counts(names.size(), 0);
    std::string bytes;
    if (readWholeFile(kResultsFile, kMaxResultsBytes, bytes) != WholeFileRead::Read) return counts;
    const RatingReplay replay = replayResults(parseResults(bytes), kWholeLog);
    for (size_t k = 0; k < names.size(); ++k) {
        for (const PlayerRecord& player : replay.players) {
            if (player.name == names[k]) counts[k] = player.rated_matches;
        }
    }
    return counts;
}
