// sortilane_preview [--dir DIR] [--seed N] [--draw N] [--swap NAME1 NAME2]... [--balance] [--] WORD...
// sortilane_preview --ratings [--dir DIR]
// sortilane_preview --evening [--dir DIR]
//
// Runs in DIR what the randomiser computes at start-up, with the generator
// seeded from N (default: the clock) and WORD... as the option words, and
// prints the report lines as Ctrl+1 types them and data.txt then holds them
// (trailing blanks kept; with line_cap in their pieces; control characters
// left out), one per line in UTF-8, followed by "Map: <selected map>"; on standard error it says how
// many lines Ctrl+1 would type and about how long that takes. --draw N gives
// the report of the Nth draw of a run (Ctrl+0 drew again), whose seed line
// says "(draw N)". With "seed_word WORD" among the words the word gives the
// seed, of draw N too, as in the randomiser; --seed beside it is refused
// (exit 2), since the two would name different seeds. Each --swap NAME1
// NAME2 swaps two players after the draw, in the order given, as the tray
// menu's "Swap two players…" does; a name that is no player's, or a swap the
// randomiser refuses, exits 1 and says why. With "repost" or
// "rematch" it prints instead the lines of the saved report (data.txt) that
// Ctrl+1 would type, and no map: the saved report names none, and the map
// drawn at this start is not the saved match's. With --balance it then prints
// every team's players and score, the spread of the scores and the best spread
// the players allow, so a host sees how fair the draw is; with learned_ratings
// also the teams' win chances, and those of the fairest split. On a start-up
// failure, or when a rule text that a match would type is missing or longer
// than 255 bytes, it exits 1 and repeats on standard error the debug.txt
// lines that the run wrote.
//
// With --ratings it computes nothing of a match: it replays DIR's Results.txt
// and prints one line per player, in the order the file first names them:
// name, mu and sigma (6 decimals), rated matches and wins, separated by TABs.
// No Results.txt prints nothing. The lines of Results.txt it skipped are
// repeated on standard error; a file that cannot be read exits 1.
//
// With --evening it writes DIR/Evening.html from DIR's Results.txt, the
// same bytes the editor's "Evening report" writes, and prints its path; a
// page that cannot be written exits 1 and says why.
//
// The same source builds sortilane_preview.exe, a Windows console program
// that prints the same bytes: its output is not turned into CR LF. It takes
// its arguments as Windows gives them, in UTF-16, so that a word of any
// script (a seed_word, a name to remove) is the word the randomiser gets.
#include <unistd.h>
#ifdef _WIN32
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#endif

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "common/debug_log.h"
#include "common/text_convert.h"
#include "randomiser/allocation/fair_teams.h"
#include "randomiser/allocation/host_rules.h"
#include "randomiser/commands/player_swap.h"
#include "randomiser/output/report.h"
#include "randomiser/output/chat_files.h"
#include "randomiser/output/typing_sequence.h"
#include "randomiser/output/team_chances.h"
#include "randomiser/startup/match_from_words.h"
#include "ratings/evening_page.h"
#include "ratings/rating_replay.h"
#include "ratings/results_file.h"

namespace {

struct PreviewArgs {
    const char* dir = nullptr;
    int64_t seed = 0;
    bool seed_given = false;
    bool balance = false;
    int draw = 1;  // the draw of the run, as Ctrl+0 counts them: its number beside the seed
    bool ratings = false;
    bool evening = false;
    std::vector<std::wstring> swaps;  // the names of each swap, two by two, in the order given
    std::vector<std::wstring> words;
};

void printUsage() {
    std::fprintf(stderr,
                 "usage: sortilane_preview [--dir DIR] [--seed N] [--draw N] [--swap NAME1 NAME2]... [--balance] [--] "
                 "WORD...\n"
                 "       sortilane_preview --ratings [--dir DIR]\n"
                 "       sortilane_preview --evening [--dir DIR]\n");
}

// A number given after --seed or --draw: the whole text in decimals, from
// low to high. Anything else is refused on standard error with what was
// passed: a number read in part, or cut to fit, would show another report.
bool readNumber(const char* option, const char* text, long long low, long long high, long long& value) {
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    if (errno == 0 && end != text && *end == '\0' && value >= low && value <= high) return true;
    std::fprintf(stderr, "sortilane_preview: %s needs a whole number from %lld to %lld - Passed ~ %s\n", option, low,
                 high, text);
    return false;
}

bool readArgs(int argc, char** argv, PreviewArgs& args) {
    // Word 0 stands for the program path, as on the Windows command line.
    args.words.push_back(L"Brenlow_Sortilane.exe");
    int i = 1;
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc) {
            args.dir = argv[++i];
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            // Every seed a report shows: its low 32 bits, as a signed number.
            long long seed = 0;
            if (!readNumber("--seed", argv[++i], INT32_MIN, INT32_MAX, seed)) return false;
            args.seed = seed;
            args.seed_given = true;
        } else if (std::strcmp(argv[i], "--draw") == 0 && i + 1 < argc) {
            long long draw = 0;
            if (!readNumber("--draw", argv[++i], 1, INT_MAX, draw)) return false;
            args.draw = static_cast<int>(draw);
        } else if (std::strcmp(argv[i], "--swap") == 0 && i + 2 < argc) {
            args.swaps.push_back(readFileText(argv[++i]));
            args.swaps.push_back(readFileText(argv[++i]));
        } else if (std::strcmp(argv[i], "--balance") == 0) {
            args.balance = true;
        } else if (std::strcmp(argv[i], "--ratings") == 0) {
            args.ratings = true;
        } else if (std::strcmp(argv[i], "--evening") == 0) {
            args.evening = true;
        } else if (std::strcmp(argv[i], "--") == 0) {
            ++i;
            break;
        } else if (std::strncmp(argv[i], "--", 2) == 0) {
            return false;
        } else {
            break;
        }
    }
    // Words are read as the files are: UTF-8 when they are, else byte by byte.
    for (; i < argc; ++i) args.words.push_back(readFileText(argv[i]));
    // --ratings and --evening compute no match: nothing of one may come with them.
    const bool noMatch = args.ratings || args.evening;
    return args.draw >= 1 && !(args.ratings && args.evening) &&
           (!noMatch ||
            (args.words.size() == 1 && !args.seed_given && !args.balance && args.draw == 1 && args.swaps.empty()));
}

// Enters the folder of --dir, given in UTF-8.
int enterFolder(const char* dir) {
#ifdef _WIN32
    return _wchdir(readFileText(dir).c_str());
#else
    return chdir(dir);
#endif
}

// Repeats on standard error the lines the run wrote to debug.txt.
void echoRunDebugLines() {
    for (const std::string& line : debugLinesOfThisRun()) std::fprintf(stderr, "%s\n", line.c_str());
}

// Team by team the players and the score, then how far apart the scores are
// and how close the players could be. Without every rating there are no scores.
void printBalance(const Randomiser& randomiser) {
    const PlayerTable& players = randomiser.players;
    bool rated = true;
    for (int p = 0; p < players.player_count; ++p) rated = rated && players.player_ratings[p] != -1;
    for (int t = 1; t <= players.team_count; ++t) {
        std::printf("Team %d:", t);
        const char* separator = " ";
        for (int p = 0; p < players.player_count; ++p) {
            if (players.player_teams[p] != t) continue;
            std::printf("%s%s", separator, toUtf8(players.player_names[p]).c_str());
            separator = ", ";
        }
        if (rated) std::printf(" ~ Score %d", randomiser.teams.team_scores[t - 1]);
        std::printf("\n");
    }
    if (!rated) {
        std::printf("Spread: none, a rating is missing\n");
        return;
    }
    std::printf("Spread: %lld\n", static_cast<long long>(teamScoreSpread(randomiser)));
    const TeamSplit fairest = fairestSplit(randomiser);
    std::printf("Best spread possible: %lld\n", static_cast<long long>(fairest.spread));
    if (holdsHostRules(players))
        std::printf("Best spread without the pins and apart groups: %lld\n",
                    static_cast<long long>(bestSpreadWithoutHostRules(randomiser)));
    if (!randomiser.options().learned_ratings) return;
    double chances[kMaxTeams] = {};
    drawnTeamWinChances(players, randomiser.history, chances);
    std::printf("Win chance: %s\n", toUtf8(winChancePercents(chances, players.team_count)).c_str());
    teamWinChances(players, randomiser.history, fairest.team_of, chances);
    std::printf("Win chance of the fairest split (player 1's team first): %s\n",
                toUtf8(winChancePercents(chances, players.team_count)).c_str());
}

// The swaps of --swap, in order; false, having said why, at the first name
// that is no player's or the first swap refused.
bool applySwaps(Randomiser& randomiser, const std::vector<std::wstring>& names) {
    for (size_t i = 0; i + 1 < names.size(); i += 2) {
        for (size_t k = i; k < i + 2; ++k) {
            if (playerIndexOfName(randomiser.players, names[k]) >= 0) continue;
            std::fprintf(stderr, "sortilane_preview: --swap: no player of the match is named %s\n",
                         toUtf8(names[k]).c_str());
            return false;
        }
        const int a = playerIndexOfName(randomiser.players, names[i]);
        const int b = playerIndexOfName(randomiser.players, names[i + 1]);
        const std::wstring refusal = swapPlayers(randomiser, a, b);
        if (!refusal.empty()) {
            std::fprintf(stderr, "sortilane_preview: --swap %s %s refused: %s\n", toUtf8(names[i]).c_str(),
                         toUtf8(names[i + 1]).c_str(), toUtf8(refusal).c_str());
            return false;
        }
    }
    return true;
}

// How many lines Ctrl+1 types with these words and about how long it takes,
// on standard error, so that standard output stays the report and its map.
void printTypingEstimate(const Randomiser& randomiser) {
    if (randomiser.options().validate_only) return;
    const TypingStyle style = typingStyleOf(randomiser.options());
    const TypingSequence steps = reportSequence(randomiser.report, style);
    const int64_t ms = estimatedTypingMs(steps, style.real_keys);
    std::fprintf(stderr, "Typed with these words: %d lines in about %lld.%lld s\n", typedLineCount(steps),
                 static_cast<long long>(ms / 1000), static_cast<long long>(ms % 1000 / 100));
}

// What Results.txt teaches of every player it names.
int printRatings() {
    ResultsLog log;
    const ResultsLoad load = loadResults(log);
    echoRunDebugLines();
    if (load == ResultsLoad::Failed) return 1;
    for (const ReplayedPlayer& player : replayResults(log, kWholeLog).players) {
        std::printf("%s\t%.6f\t%.6f\t%d\t%d\n", player.name.c_str(), player.skill.mu, player.skill.sigma,
                    player.rated_matches, player.wins);
    }
    return 0;
}

// Evening.html from Results.txt.
int writeEvening() {
    const std::string why = writeEveningPage();
    echoRunDebugLines();
    if (!why.empty()) {
        std::fprintf(stderr, "sortilane_preview: no %s written: %s\n", kEveningPageFile, why.c_str());
        return 1;
    }
    std::printf("%s\n", kEveningPageFile);
    return 0;
}

// The lines of data.txt as a repost types them.
void printSavedResult() {
    std::string bytes;
    if (!readSavedResult(bytes)) return;
    for (const std::wstring& line : savedResultLines(bytes)) std::printf("%s\n", toUtf8(line).c_str());
}

// The arguments in UTF-8 (as readArgs reads them: word 0 the program).
int runPreview(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    PreviewArgs args;
    if (!readArgs(argc, argv, args)) {
        printUsage();
        return 2;
    }
    if (args.dir != nullptr && enterFolder(args.dir) != 0) {
        std::fprintf(stderr, "sortilane_preview: cannot enter folder %s: %s\n", args.dir, std::strerror(errno));
        return 2;
    }
    if (args.ratings) return printRatings();
    if (args.evening) return writeEvening();
    if (!args.seed_given) args.seed = static_cast<int64_t>(std::time(nullptr));

    // A check of the files also looks at what the match needs later: a
    // validate run has done so already.
    Randomiser randomiser;
    randomiser.draw_number = args.draw;  // beside the seed, and the seed of a seed_word
    const bool computed = computeMatch(randomiser, args.seed, args.words);
    if (args.seed_given && !randomiser.seed_word.empty()) {
        std::fprintf(stderr,
                     "sortilane_preview: --seed and seed_word both give the seed: give one of them "
                     "(seed_word with --draw N for the word's Nth draw)\n");
        return 2;
    }
    if (computed && randomiser.options().record_result != '\0') {
        std::fprintf(stderr,
                     "sortilane_preview: result records a result in Results.txt, which only "
                     "Brenlow_Sortilane.exe does; there is no report to show\n");
        return 1;
    }
    if (!computed || (!randomiser.options().validate_only && !checkRuleTexts(randomiser))) {
        echoRunDebugLines();
        return 1;
    }
    if (!args.swaps.empty() && (randomiser.options().repost_only || randomiser.options().validate_only)) {
        std::fprintf(stderr,
                     "sortilane_preview: --swap needs drawn teams, which repost, rematch and validate have not\n");
        return 1;
    }
    if (randomiser.options().repost_only) {
        printSavedResult();
        return 0;
    }
    if (!args.swaps.empty() && !applySwaps(randomiser, args.swaps)) return 1;
    // Each line as Ctrl+1 types it: in pieces of at most line_cap characters.
    const size_t lineCap = static_cast<size_t>(randomiser.options().line_cap);
    for (const std::wstring& line : typedReportLines(randomiser.report, lineCap))
        std::printf("%s\n", toUtf8(line).c_str());
    std::printf("Map: %s\n", toUtf8(randomiser.current.map_name).c_str());
    printTypingEstimate(randomiser);
    if (args.balance && !randomiser.options().validate_only) printBalance(randomiser);
    return 0;
}

}  // namespace

#ifdef _WIN32
// Windows gives the arguments in UTF-16 (wmain, linked with -municode); main's
// would be in the ANSI code page, without the letters it lacks.
int wmain(int argc, wchar_t** wideArgv) {
    std::vector<std::string> utf8;
    for (int i = 0; i < argc; ++i) utf8.push_back(toUtf8(wideArgv[i]));
    std::vector<char*> argv;
    for (std::string& arg : utf8) argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    return runPreview(argc, argv.data());
}
#else
int main(int argc, char** argv) { return runPreview(argc, argv); }
#endif
