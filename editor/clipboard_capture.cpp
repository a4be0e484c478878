#include "editor/clipboard_capture.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "common/number_read.h"
#include "common/text_convert.h"
#include "editor/player_data.h"
#include "ratings/learned_note.h"

namespace {

// "1 name", "2 names".
std::wstring counted(int count, const wchar_t* noun) {
    return std::to_wstring(count) + L" " + noun + (count == 1 ? L"" : L"s");
}

// A token as the note quotes it: at most 20 characters.
std::wstring shortened(const std::wstring& text) {
    const size_t kMaxQuoted = 20;
    return charCount(text) <= kMaxQuoted ? text : firstChars(text, kMaxQuoted) + L"...";
}

// Counts a value stored (or not) at the sequence index as taken, past the
// last player or not taken, and moves the index on. It moves on even when
// the store failed, so a capture past the eighth player stays refused until
// the reset.
void captureValue(bool stored, int32_t& index, int& taken, CaptureReport& report) {
    if (index >= kPlayerSlots)
        ++report.past_last_player;
    else if (stored)
        ++taken;
    else
        ++report.unwritten;
    ++index;
}

// A name captured into a slot makes it another player's, so the friend group
// the slot held is no longer his: it is set to 0, in the file and in memory.
// Called after the name was stored, with the file loaded again.
void clearFriendGroup(EditorState& state, int index, CaptureReport& report) {
    if (index < 0 || index >= kPlayerSlots || state.script->getInt(kPlayerFmtKey, index) == 0) return;
    if (storePlayerFmt(state, index, 0))
        ++report.groups_cleared;
    else
        ++report.unwritten;
}

// Stores the tokens of the text in turn until one keeps nothing.
void captureTokens(EditorState& state, EditorPort& port, const wchar_t* text, CaptureReport& report) {
    size_t position = 0;
    std::wstring token;
    TokenKind kind = TokenKind::None;
    for (;;) {
        const size_t start = position;
        if (!nextClipboardToken(text, position, token, kind)) {
            report.stopped_at = tokenTextBetween(text, start, position);
            return;
        }
        if (kind == TokenKind::Name && charCount(token) <= kNameChars) {
            const bool stored = storePlayerName(state, state.name_index, token.c_str());
            if (stored) clearFriendGroup(state, state.name_index, report);
            captureValue(stored, state.name_index, report.names, report);
        } else if (kind == TokenKind::Rating && token.size() <= kMaxRatingDigits) {
            const bool stored = storePlayerRating(state, state.rating_index, readLeadingInt(token.c_str()));
            captureValue(stored, state.rating_index, report.ratings, report);
        } else {
            ++report.passed_over;
        }
        refreshDisplay(state, port);
    }
}

// The mean rating of the lobby's rated players, those rated 0 left out as
// in the input window; the file's default rating when none has one.
void rateUnratedPlayers(const EditorState& state, const std::vector<LobbyLine>& lines, CaptureReport& report) {
    int64_t total = 0;
    int rated = 0;
    for (const LobbyLine& line : lines) {
        if (line.kind != LobbyLineKind::Rated || line.rating <= 0) continue;
        total += line.rating;
        ++rated;
    }
    report.unrated_by_mean = rated > 0;
    report.unrated_rating = meanRating(total, rated, defaultRating(*state.script));
}

// Stores one player a line. A line's name and rating go to the same player,
// the first at the later of nameIndex and ratingIndex: where they differ
// (after a rating pasted alone, say) no value captured before is
// overwritten, and the player before keeps his half. Both indexes then stand
// after the last line stored. A line that gives no player is passed over and
// moves no index. A lobby that began at player 1 then sets the player count.
// A line without a rating whose name the history knows takes the learned
// rating instead, as the player's own.
void captureLines(EditorState& state, EditorPort& port, const std::vector<LobbyLine>& lines,
                  const std::string& resultsText, CaptureReport& report) {
    rateUnratedPlayers(state, lines, report);
    std::vector<std::string> names;
    for (const LobbyLine& line : lines) names.push_back(toUtf8(line.name));
    const std::vector<LearnedRating> learned = learnedRatings(resultsText, names);
    const int32_t start = std::max(state.name_index, state.rating_index);
    int32_t index = start;
    for (size_t k = 0; k < lines.size(); ++k) {
        const LobbyLine& line = lines[k];
        if (!isPlayerLine(line)) {
            report.passed_lines.push_back(line);
            continue;
        }
        const bool fromHistory = line.kind == LobbyLineKind::Unrated && learned[k].known;
        const bool unrated = line.kind == LobbyLineKind::Unrated && !fromHistory;
        const int32_t rating = fromHistory ? learned[k].rating : line.rating;
        const bool nameStored = storePlayerName(state, index, line.name.c_str());
        if (nameStored) clearFriendGroup(state, index, report);
        const bool ratingStored =
            unrated ? storeUnratedPlayer(state, index, report.unrated_rating) : storePlayerRating(state, index, rating);
        if (index >= kPlayerSlots) {
            ++report.past_last_player;
        } else if (nameStored && ratingStored) {
            if (report.players == 0) report.first_player = index;
            report.last_player = index;
            ++report.players;
            if (unrated) report.unrated_names.push_back(line.name);
            if (fromHistory) report.learned_players.push_back(line.name + L" " + std::to_wstring(rating));
            if (line.name_cut) report.cut_names.push_back(line.name);
        } else {
            report.unwritten += (nameStored ? 0 : 1) + (ratingStored ? 0 : 1);
        }
        ++index;
        refreshDisplay(state, port);
    }
    if (index == start) return;
    state.name_index = index;
    state.rating_index = index;
    if (start != 0 || report.players < kMinPlayers) return;
    const int32_t count = report.last_player + 1;
    if (state.player_count == count || storePlayerCount(state, count)) {
        report.player_count = state.player_count;
        report.team_count = state.team_count;
        refreshDisplay(state, port);
    } else {
        ++report.unwritten;
    }
}

// The first line of the note of a lobby read line by line, with the players
// that took its lines (counted from 1).
std::wstring linesTakenNote(const CaptureReport& report) {
    std::wstring note = L"Taken line by line: " + counted(report.players, L"player");
    const std::wstring first = std::to_wstring(report.first_player + 1);
    if (report.players == 1) note += L" (player " + first + L")";
    if (report.players > 1) note += L" (players " + first + L" to " + std::to_wstring(report.last_player + 1) + L")";
    return note;
}

// Up to three items joined with ", ", then "…" for the rest.
std::wstring firstThree(const std::vector<std::wstring>& items) {
    std::wstring text;
    for (size_t i = 0; i < items.size() && i < 3; ++i) text += (i == 0 ? L"" : L", ") + items[i];
    if (items.size() > 3) text += L", \u2026";
    return text;
}

// The prefix and as many items, joined with ", ", as fit in maxUnits
// units, then ", \u2026" for the rest.
std::wstring fittedList(const std::wstring& prefix, const std::vector<std::wstring>& items, size_t maxUnits) {
    const std::wstring more = L", \u2026";
    std::wstring text = prefix;
    for (size_t i = 0; i < items.size(); ++i) {
        const std::wstring next = (i == 0 ? L"" : L", ") + items[i];
        const size_t room = i + 1 < items.size() ? maxUnits - more.size() : maxUnits;
        if (text.size() + next.size() > room) return text + (i == 0 ? L"\u2026" : more);
        text += next;
    }
    return text;
}

const wchar_t* whyPassedOver(LobbyLineKind kind) {
    switch (kind) {
        case LobbyLineKind::NoName: return L"no name";
        case LobbyLineKind::TwoRatings: return L"2 ratings";
        case LobbyLineKind::LongRating: return L"rating of more than 5 digits";
        case LobbyLineKind::Header:
        case LobbyLineKind::Rated:
        case LobbyLineKind::Unrated: break;
    }
    return L"a header";
}

// The team counts that split count players evenly, "2 or 4"; empty when none does.
std::wstring evenTeamCounts(int count) {
    std::wstring counts;
    for (int teams = kMinTeams; teams <= kMaxTeams; ++teams) {
        if (count % teams != 0 || count / teams > kMaxTeamSize) continue;
        counts += (counts.empty() ? L"" : L" or ") + std::to_wstring(teams);
    }
    return counts;
}

// What the player count a lobby set means for the teams.
std::wstring playerCountNote(const CaptureReport& report) {
    const std::wstring players = std::to_wstring(report.player_count) + L" players";
    if (report.player_count % report.team_count == 0)
        return L"\n" + players + L" in " + std::to_wstring(report.team_count) + L" teams";
    const std::wstring counts = evenTeamCounts(report.player_count);
    if (counts.empty()) return L"\n" + players + L": no even teams; press Ctrl+5";
    return L"\n" + players + L": " + counts + L" teams; press Ctrl+5";
}

std::wstring linesNote(const CaptureReport& report) {
    std::wstring note = linesTakenNote(report);
    if (report.player_count > 0) note += playerCountNote(report);
    if (!report.learned_players.empty())
        note += L"\n" + fittedList(L"ratings from the history: ", report.learned_players, kBalloonUnits / 2);
    if (!report.unrated_names.empty())
        note += L"\nunrated, given " + std::wstring(report.unrated_by_mean ? L"the mean " : L"the default ") +
                std::to_wstring(report.unrated_rating) + L": " + firstThree(report.unrated_names);
    if (!report.cut_names.empty()) note += L"\ncut to 15 characters: " + firstThree(report.cut_names);
    if (!report.passed_lines.empty()) {
        std::vector<std::wstring> passed;
        for (const LobbyLine& line : report.passed_lines)
            passed.push_back(L"'" + shortened(line.text) + L"' (" + whyPassedOver(line.kind) + L")");
        note += L"\npassed over " + firstThree(passed);
    }
    return note;
}

}  // namespace

std::wstring captureNote(const CaptureReport& report) {
    if (!report.loaded) return L"Nothing taken: PlayerData.txt could not be read (see debug.txt)";
    std::wstring note =
        report.by_lines ? linesNote(report)
                        : L"Taken: " + counted(report.names, L"name") + L" and " + counted(report.ratings, L"rating");
    if (!report.stopped_at.empty()) note += L"\nstopped at '" + shortened(report.stopped_at) + L"'";
    if (report.past_last_player > 0) note += std::wstring(L"\n") + kAllPlayersFilled;
    if (report.passed_over > 0)
        note += L"\npassed over " + std::to_wstring(report.passed_over) +
                L": names of more than 15 characters, ratings of more than 5 digits";
    if (report.groups_cleared > 0) note += L"\nfriend groups cleared: " + std::to_wstring(report.groups_cleared);
    if (report.unwritten > 0)
        note += L"\nnot taken by PlayerData.txt: " + std::to_wstring(report.unwritten) + L" (see debug.txt)";
    if (report.text_cut)
        note += L"\nonly the first " + std::to_wstring(kClipboardChars) + L" characters of the clipboard were read";
    return note;
}

void captureClipboard(EditorState& state, EditorPort& port, const wchar_t* clipboardText,
                      const std::string& resultsText) {
    if (clipboardText == nullptr) {
        port.showErrorBox(L"Invalid data in Clipboard");
        return;
    }
    const std::wstring text = firstChars(clipboardText, kClipboardChars);
    CaptureReport report;
    report.text_cut = text.size() < std::wcslen(clipboardText);
    report.loaded = loadPlayerDataForStore(state);
    if (!report.loaded && sayIfReadOnly(port)) return;
    if (report.loaded) {
        const std::vector<LobbyLine> lines = readLobbyLines(text.c_str());
        report.by_lines = isLobby(lines);
        if (report.by_lines)
            captureLines(state, port, lines, resultsText, report);
        else
            captureTokens(state, port, text.c_str(), report);
    }
    if (report.unwritten > 0 && sayIfReadOnly(port)) return;
    port.showNote(fittedText(captureNote(report), kBalloonUnits).c_str());
}

bool runResetCommand(EditorState& state, EditorPort& port) {
    const int32_t players = state.player_count;
    if (!resetPlayerData(state, port)) return false;
    port.showNote((L"New lobby: players p1 to p6. The " + std::to_wstring(players) +
                   L" players before are in PlayerData.bak: copy it over PlayerData.txt to bring them back")
                      .c_str());
    state.name_index = 0;
    state.rating_index = 0;
    state.fmt_index = 0;
    state.pin_index = 0;
    state.apart_index = 0;
    return true;
}
