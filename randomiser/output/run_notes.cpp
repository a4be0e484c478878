#include "randomiser/output/run_notes.h"

#include "randomiser/allocation/fair_teams.h"
#include "randomiser/output/report.h"

namespace {

// open_chat opens the chat itself: in a chat left open its first Enter would
// send an empty message, and the lines would reach the game as keys.
std::wstring openChatNote(const Randomiser& randomiser, const RunFacts&) {
    return randomiser.options().open_chat != 0 ? L"open_chat: close the chat: Ctrl+1 opens it for each line" : L"";
}

// The editor leaves its hotkeys alone while the randomiser runs.
std::wstring editorRestNote(const Randomiser&, const RunFacts& facts) {
    return facts.editor_runs ? L"Rostrix's hotkeys rest until Sortilane ends" : L"";
}

// The history may have rated a player the file marks unrated.
std::wstring unratedNote(const Randomiser& randomiser, const RunFacts&) {
    return unratedPlayersNote(randomiser.players);
}

std::wstring learnedNote(const Randomiser& randomiser, const RunFacts&) {
    return learnedPlayersNote(randomiser.players, randomiser.history);
}

// With learned_ratings, the players the history does not know yet.
std::wstring newTonightNote(const Randomiser& randomiser, const RunFacts&) {
    return newPlayersTonightNote(randomiser.players, randomiser.history, randomiser.options().learned_ratings != 0);
}

// The history may hold lines that read as no match.
std::wstring skippedNote(const Randomiser& randomiser, const RunFacts&) { return skippedLinesNote(randomiser.history); }

// fair_teams could not bring the teams close: the host may change the groups
// before typing.
std::wstring unfairNote(const Randomiser& randomiser, const RunFacts&) { return unfairTeamsNote(randomiser); }

// The notes in the order the balloons show them; each is empty when the run
// has nothing of it to say.
using RunNote = std::wstring (*)(const Randomiser& randomiser, const RunFacts& facts);
const RunNote kRunNotes[] = {
    openChatNote, editorRestNote, unratedNote, learnedNote, newTonightNote, skippedNote, unfairNote,
};

}  // namespace

std::wstring runNotes(const Randomiser& randomiser, const RunFacts& facts) {
    std::wstring notes;
    for (RunNote note : kRunNotes) {
        const std::wstring line = note(randomiser, facts);
        if (!line.empty()) notes += L"\n" + line;
    }
    return notes;
}

std::wstring startBalloonText(const Randomiser& randomiser, const RunFacts& facts) {
    // The repost mode waits for Ctrl+1 before it types the saved result; a
    // validate run that got this far found the files and the words fine.
    std::wstring balloon = L"Sortilane.\nCross-Game Usage";
    if (randomiser.options().repost_only != 0)
        balloon = L"Sortilane: repost.\nCtrl+1 types the saved result (data.txt), Esc twice quits";
    else if (randomiser.options().validate_only != 0)
        balloon = L"Sortilane: validate.\nFiles and words are fine";
    return balloon + runNotes(randomiser, facts);
}

bool showsDrawBalloon(const Randomiser& randomiser) {
    return !randomiser.options().repost_only && !randomiser.options().validate_only;
}
