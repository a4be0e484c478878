#include "ratings/learned_note.h"

#include "common/whole_file.h"
#include "ratings/rating_replay.h"
#include "ratings/results_file.h"
#include "ratings/evening.h"
#include "ratings/win_chance.h"

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

std::wstring newPlayersNote(const std::vector<std::wstring>& names) {
    std::wstring note;
    for (const std::wstring& name : names) note += (note.empty() ? L"new tonight: " : L", ") + name;
    return note;
}

std::vector<LearnedRating> learnedRatings(const std::string& resultsText, const std::vector<std::string>& names) {
    std::vector<LearnedRating> learned(names.size());
    const ResultsLog log = parseResults(resultsText);
    const RatingReplay now = replayResults(log, kWholeLog);
    const size_t firstTonight = firstMatchOfTonight(log.matches, log.matches.size());
    const int firstTonightLine = log.matches.empty() ? 0 : log.matches[firstTonight].line_number;
    const RatingReplay beforeTonight = replayResults(log, firstTonightLine);
    for (size_t k = 0; k < names.size(); ++k) {
        const ReplayedPlayer* record = findRecord(now, names[k]);
        if (record == nullptr) continue;
        learned[k].known = true;
        learned[k].rating = ratingOfMu(record->skill.mu);
        learned[k].rated_matches = record->rated_matches;
        const ReplayedPlayer* before = findRecord(beforeTonight, names[k]);
        learned[k].new_tonight = before == nullptr;
        if (before != nullptr) learned[k].tonight_change = learned[k].rating - ratingOfMu(before->skill.mu);
    }
    return learned;
}

std::string resultsFileText() {
    std::string bytes;
    if (readWholeFile(kResultsFile, kMaxResultsBytes, bytes) != WholeFileRead::Read) bytes.clear();
    return bytes;
}
