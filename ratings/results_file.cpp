#include "ratings/results_file.h"

#include "common/debug_log.h"
#include "common/safe_write.h"
#include "common/whole_file.h"

namespace {

// Why a read of the file that did not end as Read gave no text.
std::string readFailure(WholeFileRead read) {
    switch (read) {
        case WholeFileRead::Missing: return "there is no Results.txt";
        case WholeFileRead::TooLong: return "Results.txt is longer than 16 MiB";
        default: return "Results.txt could not be read";
    }
}

// Empty when written; else why not, in the system's words too.
std::string replaceResults(const std::string& bytes) {
    std::string reason;
    if (replaceFile(kResultsFile, bytes.data(), bytes.size(), reason) == ReplaceStep::Done) return "";
    return "Results.txt could not be written (" + reason + ")";
}

}  // namespace

ResultsLoad loadResults(ResultsLog& log) {
    log = ResultsLog{};
    std::string bytes;
    const WholeFileRead read = readWholeFile(kResultsFile, kMaxResultsBytes, bytes);
    if (read == WholeFileRead::Missing) return ResultsLoad::Missing;
    if (read != WholeFileRead::Read) {
        debugLog("%s", readFailure(read).c_str());
        return ResultsLoad::Failed;
    }
    log = parseResults(bytes);
    for (const SkippedLine& line : log.skipped)
        debugLog("Results.txt line %d skipped: %s", line.line_number, line.reason.c_str());
    return ResultsLoad::Read;
}

std::string appendMatchLine(const MatchLine& match) {
    std::string bytes;
    const WholeFileRead read = readWholeFile(kResultsFile, kMaxResultsBytes, bytes);
    if (read != WholeFileRead::Read && read != WholeFileRead::Missing) return readFailure(read);
    if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    bytes += formatMatchLine(match) + "\r\n";
    return replaceResults(bytes);
}

std::string setLastResult(char result) {
    if (!isResultChar(result)) return std::string("a result is 1 to 4, 0 or -, not ") + result;
    std::string bytes;
    const WholeFileRead read = readWholeFile(kResultsFile, kMaxResultsBytes, bytes);
    if (read != WholeFileRead::Read) return readFailure(read);
    const ResultsLog log = parseResults(bytes);
    if (log.matches.empty()) return "Results.txt holds no match";
    const MatchLine& last = log.matches.back();
    if (result >= '1' && result <= '4' && !lineHasTeam(last, result - '0'))
        return std::string("the last match has no team ") + result;
    bytes[last.result_offset] = result;
    return replaceResults(bytes);
}
