#include "editor/player_data.h"

#include <cstring>
#include <memory>

#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/text_convert.h"
#include "editor/display_text.h"

namespace {

const wchar_t* const kCreationFailedText =
    L"Creation of PlayerStats.txt, invalid file rights - document may be in operation";

int32_t withinOr(int32_t value, int32_t low, int32_t high, int32_t fallback) {
    return value < low || value > high ? fallback : value;
}

bool isPlayerIndex(int index) { return index >= 0 && index < kPlayerSlots; }

bool writeDefaultFile() {
    return replaceFileContents(kPlayerDataFile, kDefaultPlayerData, std::strlen(kDefaultPlayerData));
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
    state.playerCount = withinOr(script.getInt(kPlayerNumKey, 0), kMinPlayers, kPlayerSlots, kMinPlayers);
    state.teamCount = withinOr(script.getInt(kTeamNumKey, 0), kMinTeams, kMaxTeams, kMinTeams);
    for (int i = 0; i < kPlayerSlots; ++i) {
        PlayerRecord& player = state.players[i];
        readName(script, encoding, i, player.name);
        player.rating = withinOr(script.getInt(kPlayerRatingKey, i), 0, kMaxRating, 0);
        player.fmtGroup = withinOr(script.getInt(kPlayerFmtKey, i), 0, kMaxFmtGroup, 0);
    }
}

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

bool setupPlayerData(EditorState& state, EditorPort& port) {
    state.script.reset(new Script());  // value-initialised: no keys, no values

    if (fileIsMissing(kPlayerDataFile) && !writeDefaultFile()) {
        port.showErrorBox(kCreationFailedText);
        return false;
    }
    // A file that lost a } or a quote, or lacks names or ratings, is refused
    // in the randomiser's words: its records would show zeros that are not stored.
    Script& script = *state.script;
    if (!script.load(kPlayerDataFile) || !playerDataHasEveryKey(script)) return false;
    loadRecords(state, script);
    return playerDataListsHold(script, state.playerCount, true);
}

bool resetPlayerData(EditorState& state, EditorPort& port) {
    if (!writeDefaultFile()) {
        port.showErrorBox(kCreationFailedText);
        return false;
    }
    // The records come from the default text itself, read as the file is.
    std::unique_ptr<Script> defaults(new Script());
    boundedCopy(defaults->text, kDefaultPlayerData);
    defaults->parseText(kPlayerDataFile);
    loadRecords(state, *defaults);
    refreshDisplay(state, port);
    return true;
}

void refreshDisplay(const EditorState& state, EditorPort& port) {
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
    return true;
}

bool storePlayerFmt(EditorState& state, int index, int32_t fmtGroup) {
    if (!state.script->storeInt(kPlayerFmtKey, index, fmtGroup)) return false;
    if (isPlayerIndex(index)) state.players[index].fmtGroup = state.script->getInt(kPlayerFmtKey, index);
    return true;
}

bool storePlayerCount(EditorState& state, int32_t count) {
    if (!state.script->storeInt(kPlayerNumKey, 0, count)) return false;
    state.playerCount = state.script->getInt(kPlayerNumKey, 0);
    return true;
}

bool storeTeamCount(EditorState& state, int32_t count) {
    if (!state.script->storeInt(kTeamNumKey, 0, count)) return false;
    state.teamCount = state.script->getInt(kTeamNumKey, 0);
    return true;
}
