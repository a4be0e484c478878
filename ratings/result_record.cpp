#include "ratings/result_record.h"

#include "common/text_convert.h"
#include "common/whole_file.h"
#include "ratings/rating_replay.h"
#include "ratings/results_file.h"
#include "ratings/win_chance.h"

namespace {

// What the result means, as the first sentence of the note.
std::wstring resultSentence(char result) {
    if (result == '0') return L"Not rated.";
    if (result == '-') return L"Result undone.";
    return L"Team " + std::wstring(1, static_cast<wchar_t>(result)) + L" won.";
}

// What a result the line holds already means.
std::wstring unchangedSentence(char result) {
    if (result == '-') return L"The last match has no result to undo.";
    return L"Already recorded: " + resultSentence(result);
}

std::wstring rating(const RatingReplay& replay, const ResultPlayer& player) {
    return std::to_wstring(ratingOfMu(skillOf(replay, player.name, player.rating).mu));
}

// "Name before → after", a line for every player of the line; none when no
// rating moved.
std::vector<std::wstring> ratingMoves(const MatchLine& line, const RatingReplay& before, const RatingReplay& after) {
    std::vector<std::wstring> moves;
    bool moved = false;
    for (const ResultPlayer& player : line.players) {
        const std::wstring from = rating(before, player);
        const std::wstring to = rating(after, player);
        moved = moved || from != to;
        moves.push_back(decodeText(player.name, TextEncoding::Utf8) + L" " + from + L" \u2192 " + to);
    }
    if (!moved) moves.clear();
    return moves;
}

// The note's lines, fitted to the balloon: the sentence first.
ResultNote note(bool recorded, const std::vector<std::wstring>& lines) {
    return {recorded, fittedLines(lines, kBalloonUnits)};
}

}  // namespace

ResultNote recordResult(char result) {
    ResultsLog log;
    loadResults(log);  // the history before the change
    if (!log.matches.empty() && log.matches.back().result == result) return note(true, {unchangedSentence(result)});
    const std::string refusal = setLastResult(result);
    if (!refusal.empty())
        return note(false, {L"Result not recorded: " + decodeText(refusal, TextEncoding::Utf8) + L"."});
    // The file gained its first match line between the two reads.
    if (log.matches.empty()) return note(true, {resultSentence(result)});

    const RatingReplay before = replayResults(log, kWholeLog);
    log.matches.back().result = result;
    const RatingReplay after = replayResults(log, kWholeLog);
    std::vector<std::wstring> lines = ratingMoves(log.matches.back(), before, after);
    lines.insert(lines.begin(), resultSentence(result));
    return note(true, lines);
}

LastMatch readLastMatch() {
    LastMatch last;
    std::string bytes;
    if (readWholeFile(kResultsFile, kMaxResultsBytes, bytes) != WholeFileRead::Read) return last;
    const ResultsLog log = parseResults(bytes);
    if (log.matches.empty()) return last;
    last.found = true;
    last.result = log.matches.back().result;
    for (const ResultPlayer& player : log.matches.back().players) last.has_team[player.team - 1] = true;
    return last;
}
