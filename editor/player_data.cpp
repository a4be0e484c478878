#include "editor/player_data.h"

#include <cstring>

#include "common/bounded_copy.h"
#include "common/debug_log.h"
#include "common/file_status.h"
#include "common/safe_write.h"
#include "common/text_convert.h"
#include "editor/display_text.h"

const char* const kDefaultPlayerData =
    "player_num {6} team_num {2} player_name { 'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8' } "
    "player_rating { 0 0 0 0 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }";

namespace {

const wchar_t* const kCreationFailedText =
    L"Creation of PlayerStats.txt, invalid file rights - document may be in operation";

// The limits a loaded value must keep; anything else is replaced in memory.
const int32_t kMinPlayers = 2;
const int32_t kMaxPlayers = 8;
const int32_t kMinTeams = 2;
const int32_t kMaxTeams = 4;
const int32_t kMaxRating = 999999;  // six digits
const int32_t kMaxFmtGroup = 9999;  // four digits

int32_t withinOr(int32_t value, int32_t low, int32_t high, int32_t fallback) {
    return value < low || value > high ? fallback : value;
}

bool isPlayerIndex(int index) { return index >= 0 && index < kPlayerRecords; }

struct NarrowPath {
    char bytes[kDataPathUnits];
};

NarrowPath narrowDataPath(const EditorState& state) {
    NarrowPath path;
    toUtf8(path.bytes, sizeof path.bytes, state.dataPath);
    return path;
}

bool writeDefaultFile(const EditorState& state) {
    return replaceFileContents(narrowDataPath(state).bytes, kDefaultPlayerData, std::strlen(kDefaultPlayerData));
}

void loadRecords(EditorState& state) {
    Script& script = *state.script;
    const TextEncoding encoding = detectEncoding(script.text);
    state.playerCount = withinOr(script.getInt("player_num", 0), kMinPlayers, kMaxPlayers, kMinPlayers);
    state.teamCount = withinOr(script.getInt("team_num", 0), kMinTeams, kMaxTeams, kMinTeams);
    for (int i = 0; i < kPlayerRecords; ++i) {
        PlayerRecord& player = state.players[i];
        const char* stored = script.getString("player_name", i);
        decodeText(player.name, kNameUnits, stored != nullptr ? stored : "", encoding, kNameChars);
        player.rating = withinOr(script.getInt("player_rating", i), 0, kMaxRating, 0);
        player.fmtGroup = withinOr(script.getInt("player_fmt_group", i), 0, kMaxFmtGroup, 0);
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
        debugLog("%s", script.path);
        debugLog("Opening A File");
        return false;
    }
    return script.load(script.path);
}

}  // namespace

bool setupPlayerData(EditorState& state, EditorShell& shell) {
    boundedCopy(state.dataPath, L"PlayerData.txt");
    state.script.reset(new Script());  // value-initialised: no keys, no values

    if (fileIsMissing(narrowDataPath(state).bytes) && !writeDefaultFile(state)) {
        shell.showErrorBox(kCreationFailedText);
        return false;
    }
    if (!state.script->load(narrowDataPath(state).bytes)) return false;
    loadRecords(state);
    return true;
}

bool resetPlayerData(EditorState& state, EditorShell& shell) {
    if (!writeDefaultFile(state)) {
        shell.showErrorBox(kCreationFailedText);
        return false;
    }
    state.playerCount = 6;
    state.teamCount = 2;
    for (int i = 0; i < kPlayerRecords; ++i) {
        PlayerRecord& player = state.players[i];
        std::wstring name = L"p" + std::to_wstring(i + 1);
        boundedCopy(player.name, name.c_str());
        player.rating = 0;
        player.fmtGroup = 0;
    }
    refreshDisplay(state, shell);
    return true;
}

void refreshDisplay(const EditorState& state, EditorShell& shell) {
    wchar_t text[kDisplayTextUnits];
    buildDisplayText(state, text);
    shell.setDisplayText(text);
}

bool loadPlayerDataForStore(EditorState& state) {
    if (!state.script) return false;
    NarrowPath path = narrowDataPath(state);
    if (!state.script->load(path.bytes)) return false;
    state.script->storePath(path.bytes);
    return true;
}

bool storePlayerName(EditorState& state, int index, const wchar_t* name) {
    const std::string bytes = toUtf8(name);
    if (!isAscii(bytes) && !makeLoadedFileUtf8(*state.script)) return false;
    if (!state.script->storeString("player_name", index, bytes.c_str())) return false;
    if (isPlayerIndex(index))
        decodeText(state.players[index].name, kNameUnits, bytes.c_str(), TextEncoding::Utf8, kNameChars);
    return true;
}

bool storePlayerRating(EditorState& state, int index, int32_t rating) {
    if (!state.script->storeInt("player_rating", index, rating)) return false;
    if (isPlayerIndex(index)) state.players[index].rating = rating;
    return true;
}

bool storePlayerFmt(EditorState& state, int index, int32_t fmtGroup) {
    if (!state.script->storeInt("player_fmt_group", index, fmtGroup)) return false;
    if (isPlayerIndex(index)) state.players[index].fmtGroup = fmtGroup;
    return true;
}

bool storePlayerCount(EditorState& state, int32_t count) {
    if (!state.script->storeInt("player_num", 0, count)) return false;
    state.playerCount = count;
    return true;
}

bool storeTeamCount(EditorState& state, int32_t count) {
    if (!state.script->storeInt("team_num", 0, count)) return false;
    state.teamCount = count;
    return true;
}
