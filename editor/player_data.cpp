#include "editor/player_data.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "common/file_open.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/whole_file.h"
#include "common/text_convert.h"
#include "editor/display_text.h"
#include "ratings/learned_note.h"

namespace {

const wchar_t* const kCreationFailedText =
    L"Creation of PlayerStats.txt, invalid file rights - document may be in operation";
const wchar_t* const kBackupFailedText =
    L"PlayerData.bak could not be written, so the players were not replaced (see debug.txt).";
const wchar_t* const kReadOnlyFileText =
    L"PlayerData.txt is read-only: Rostrix cannot save the players.\n\n"
    L"Clear the read-only mark of PlayerData.txt (Properties), or move the folder out of Program Files.";
const wchar_t* const kReadOnlyFolderText =
    L"The folder of PlayerData.txt is read-only: Rostrix cannot save the players.\n\n"
    L"Move the folder out of Program Files, or clear the read-only mark of the folder.";

int32_t withinOr(int32_t value, int32_t low, int32_t high, int32_t fallback) {
    return value < low || value > high ? fallback : value;
}

bool isPlayerIndex(int index) { return index >= 0 && index < kPlayerSlots; }

// The default content; a default rating the host set in the file stays.
std::string defaultContent(Script& script) {
    std::string content = kDefaultPlayerData;
    if (script.loadForReading(kPlayerDataFile) && script.intsHeld(kDefaultRatingKey) > 0)
        content += std::string(" ") + kDefaultRatingKey + " {" + std::to_string(defaultRating(script)) + "}";
    return content;
}

bool writeDefaultFile(const std::string& content) {
    return replaceFileContents(kPlayerDataFile, content.data(), content.size());
}

// Player i's name as the store holds it, read in the encoding of the whole
// file and cut to its first kNameChars characters; a missing name reads as
// empty.
void readName(Script& script, TextEncoding encoding, int i, wchar_t (&name)[kNameUnits]) {
    const char* stored = script.getString(kPlayerNameKey, i);
    decodeText(name, kNameUnits, stored != nullptr ? stored : "", encoding, kNameChars);
}

// Fills the records from the store, replacing values out of range in memory
// only.
void loadRecords(EditorState& state, Script& script) {
    const TextEncoding encoding = detectEncoding(script.text);
    state.player_count = withinOr(script.getInt(kPlayerNumKey, 0), kMinPlayers, kPlayerSlots, kMinPlayers);
    state.team_count = withinOr(script.getInt(kTeamNumKey, 0), kMinTeams, kMaxTeams, kMinTeams);
    for (int i = 0; i < kPlayerSlots; ++i) {
        PlayerRecord& player = state.players[i];
        readName(script, encoding, i, player.name);
        player.rating = withinOr(script.getInt(kPlayerRatingKey, i), 0, kMaxRating, 0);
        player.fmt_group = withinOr(script.getInt(kPlayerFmtKey, i), 0, kMaxFmtGroup, 0);
    }
    int unrated[kPlayerSlots];
    readUnratedMarks(script, unrated);
    int pins[kPlayerSlots];
    readOptionalList(script, kPlayerTeamPinKey, pins);
    int apart[kPlayerSlots];
    readOptionalList(script, kPlayerApartKey, apart);
    for (int i = 0; i < kPlayerSlots; ++i) {
        state.players[i].unrated = unrated[i] != 0;
        state.players[i].team_pin = withinOr(pins[i], 0, kMaxTeamPin, 0);
        state.players[i].apart_group = withinOr(apart[i], 0, kMaxApartGroup, 0);
    }
}

// What Results.txt, as it is now, teaches of each player, as the display
// shows it.
void readLearnedRatings(EditorState& state) {
    std::vector<std::string> names;
    for (const PlayerRecord& player : state.players) names.push_back(toUtf8(player.name));
    const std::vector<LearnedRating> learned = learnedRatings(resultsFileText(), names);
    for (int i = 0; i < kPlayerSlots; ++i) state.players[i].learned = learned[i];
}

// The loaded file with an optional list (listText, the key's list of
// zeros) added at its end, written and loaded again: the writer can only
// replace values that are there.
bool addOptionalList(Script& script, const char* key, const char* listText) {
    const std::string text = std::string(script.text) + listText;
    if (text.size() >= Script::kTextBytes) {
        debugLog("%s with %s would grow beyond 99999 bytes", script.path, key);
        return false;
    }
    if (!replaceFileContents(script.path, text.data(), text.size())) {
        logOpenFailure(script.path);
        return false;
    }
    return script.load(script.path);
}

// Marks player index unrated or not, in the file and in memory. A file
// without the list needs no mark to say a player is rated.
bool storeUnratedMark(EditorState& state, int index, bool unrated) {
    Script& script = *state.script;
    if (script.findKey(kPlayerUnratedKey) < 0) {
        if (!unrated) return true;
        if (!addOptionalList(script, kPlayerUnratedKey, kUnratedListText)) return false;
    }
    if (!isPlayerIndex(index) || script.getInt(kPlayerUnratedKey, index) != (unrated ? 1 : 0)) {
        if (!script.storeInt(kPlayerUnratedKey, index, unrated ? 1 : 0)) return false;
    }
    if (isPlayerIndex(index)) state.players[index].unrated = unrated;
    return true;
}

// Whether the file at path opens in the mode, which writes; error is the
// runtime's error number when it does not.
bool opensForWriting(const char* path, const char* mode, int& error) {
    FILE* file = openFile(path, mode);
    if (file == nullptr) {
        error = errno;
        return false;
    }
    std::fclose(file);
    return true;
}

// Why a file cannot be opened, from the runtime's error number: whether it
// is one that read-only rights give.
bool isRefusedAccess(int error) { return error == EACCES || error == EPERM || error == EROFS; }

bool isAscii(const std::string& bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) > 0x7F) return false;
    }
    return true;
}

// A file that is not UTF-8 as a whole is read one byte one character, so a
// name written into it in UTF-8 would be misread, and would make every other
// name be misread once the file became UTF-8. Before such a name is stored,
// the loaded file is rewritten in UTF-8, every character as it was read, and
// loaded again.
bool makeLoadedFileUtf8(Script& script) {
    if (detectEncoding(script.text) == TextEncoding::Utf8) return true;
    const std::string text = toUtf8(decodeText(script.text, TextEncoding::Bytes));
    if (text.size() >= Script::kTextBytes) {
        debugLog("%s in UTF-8 would grow beyond 99999 bytes", script.path);
        return false;
    }
    if (!replaceFileContents(script.path, text.data(), text.size())) {
        logOpenFailure(script.path);
        return false;
    }
    return script.load(script.path);
}

}  // namespace

const wchar_t* const kAllPlayersFilled = L"all 8 players are filled; Ctrl+8 starts again at player 1";

bool setupPlayerData(EditorState& state, EditorPort& port) {
    state.script.reset(new Script());  // value-initialised: no keys, no values

    if (fileIsMissing(kPlayerDataFile) && !writeDefaultFile(kDefaultPlayerData)) {
        if (!sayIfReadOnly(port)) port.showErrorBox(kCreationFailedText);
        return false;
    }
    // A file that lost a } or a quote, lacks names or ratings, or counts
    // more players or teams than its lists hold, is refused in the
    // randomiser's words: its records would show values that are not stored.
    Script& script = *state.script;
    if (!script.load(kPlayerDataFile)) {
        sayIfReadOnly(port);
        return false;
    }
    if (!playerDataHasEveryKey(script) ||
        !playerDataCountsFit(script.getInt(kPlayerNumKey, 0), script.getInt(kTeamNumKey, 0)))
        return false;
    loadRecords(state, script);
    return playerDataListsHold(script, state.player_count, true);
}

bool resetPlayerData(EditorState& state, EditorPort& port) {
    // The players the reset replaces are kept, so a Ctrl+8 pressed by
    // mistake (or as a control group in a game) loses nothing.
    std::string previous;
    if (readWholeFile(kPlayerDataFile, Script::kTextBytes, previous) == WholeFileRead::Read &&
        !replaceFileContents(kPlayerDataBackup, previous.data(), previous.size())) {
        logOpenFailure(kPlayerDataBackup);
        if (!sayIfReadOnly(port)) port.showErrorBox(kBackupFailedText);
        return false;
    }
    const std::string content = defaultContent(*state.script);
    if (!writeDefaultFile(content)) {
        if (!sayIfReadOnly(port)) port.showErrorBox(kCreationFailedText);
        return false;
    }
    // The records come from the default text itself, read as the file is.
    std::unique_ptr<Script> defaults(new Script());
    boundedCopy(defaults->text, content.c_str());
    defaults->parseText(kPlayerDataFile);
    loadRecords(state, *defaults);
    refreshDisplay(state, port);
    return true;
}

void refreshDisplay(EditorState& state, EditorPort& port) {
    // The file may have changed since the editor last read it (by hand, by
    // another program): the display shows what it holds now.
    if (state.script && state.script->loadForReading(kPlayerDataFile)) loadRecords(state, *state.script);
    readLearnedRatings(state);
    wchar_t text[kDisplayTextUnits];
    buildDisplayText(state, text);
    port.setDisplayText(text);
}

bool loadPlayerDataForStore(EditorState& state) {
    if (!state.script || !state.script->load(kPlayerDataFile)) return false;
    state.script->storePath(kPlayerDataFile);
    return true;
}

// Each store ends with the file loaded again, so the records take the values
// as they read back from it.
bool storePlayerName(EditorState& state, int index, const wchar_t* name) {
    const std::string bytes = toUtf8(name);
    if (!isAscii(bytes) && !makeLoadedFileUtf8(*state.script)) return false;
    if (!state.script->storeString(kPlayerNameKey, index, bytes.c_str())) return false;
    if (isPlayerIndex(index))
        readName(*state.script, detectEncoding(state.script->text), index, state.players[index].name);
    return true;
}

bool storePlayerRating(EditorState& state, int index, int32_t rating) {
    if (!state.script->storeInt(kPlayerRatingKey, index, rating)) return false;
    if (isPlayerIndex(index)) state.players[index].rating = state.script->getInt(kPlayerRatingKey, index);
    return storeUnratedMark(state, index, false);
}

bool storeUnratedPlayer(EditorState& state, int index, int32_t rating) {
    if (!state.script->storeInt(kPlayerRatingKey, index, rating)) return false;
    if (isPlayerIndex(index)) state.players[index].rating = state.script->getInt(kPlayerRatingKey, index);
    return storeUnratedMark(state, index, true);
}

int32_t defaultRating(Script& script) {
    if (script.intsHeld(kDefaultRatingKey) < 1) return kDefaultRating;
    return withinOr(script.getInt(kDefaultRatingKey, 0), 0, kMaxRating, kDefaultRating);
}

int32_t meanRating(int64_t total, int count, int32_t fallback) {
    return count > 0 ? static_cast<int32_t>((total + count / 2) / count) : fallback;
}

bool sayIfReadOnly(EditorPort& port) {
    int error = 0;
    const bool fileRefused =
        !fileIsMissing(kPlayerDataFile) && !opensForWriting(kPlayerDataFile, "r+b", error) && isRefusedAccess(error);
    // Its folder must take a new file too: each change is written beside it first.
    const char* const probePath = "PlayerData.txt.probe";
    const bool folderRefused = !fileRefused && !opensForWriting(probePath, "wb", error) && isRefusedAccess(error);
    if (!fileRefused) removeFile(probePath);
    if (!fileRefused && !folderRefused) return false;
    debugLog("%s cannot be written: %s", fileRefused ? kPlayerDataFile : "The folder of PlayerData.txt",
             std::strerror(error));
    port.showErrorBox(fileRefused ? kReadOnlyFileText : kReadOnlyFolderText);
    return true;
}

bool storePlayerFmt(EditorState& state, int index, int32_t fmtGroup) {
    if (!state.script->storeInt(kPlayerFmtKey, index, fmtGroup)) return false;
    if (isPlayerIndex(index)) state.players[index].fmt_group = state.script->getInt(kPlayerFmtKey, index);
    return true;
}

// Stores value for player index in an optional list, adding the list the
// first time a value other than 0 needs it (a file without it reads as 0),
// and puts the value the file holds into field of the player's record.
bool storeOptionalValue(EditorState& state, const char* key, const char* listText, int index, int32_t value,
                        int32_t PlayerRecord::*field) {
    Script& script = *state.script;
    if (script.findKey(key) < 0) {
        if (value == 0 && isPlayerIndex(index)) {
            state.players[index].*field = 0;
            return true;
        }
        if (!addOptionalList(script, key, listText)) return false;
    }
    if (!script.storeInt(key, index, value)) return false;
    if (isPlayerIndex(index)) state.players[index].*field = script.getInt(key, index);
    return true;
}

bool storePlayerTeamPin(EditorState& state, int index, int32_t pin) {
    return storeOptionalValue(state, kPlayerTeamPinKey, kTeamPinListText, index, pin, &PlayerRecord::team_pin);
}

bool storePlayerApartGroup(EditorState& state, int index, int32_t group) {
    return storeOptionalValue(state, kPlayerApartKey, kApartListText, index, group, &PlayerRecord::apart_group);
}

bool storePlayerCount(EditorState& state, int32_t count) {
    if (!state.script->storeInt(kPlayerNumKey, 0, count)) return false;
    state.player_count = state.script->getInt(kPlayerNumKey, 0);
    return true;
}

bool storeTeamCount(EditorState& state, int32_t count) {
    if (!state.script->storeInt(kTeamNumKey, 0, count)) return false;
    state.team_count = state.script->getInt(kTeamNumKey, 0);
    return true;
}
