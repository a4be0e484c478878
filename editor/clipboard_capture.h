#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "editor/editor_port.h"
#include "editor/editor_state.h"
#include "editor/lobby_text.h"

// The capture reads at most this much of the clipboard: a lobby, a signup
// post, a page of a forum.
constexpr size_t kClipboardChars = 65536;

// What one clipboard capture did, for the note the shell shows after it.
struct CaptureReport {
    bool loaded = false;       // PlayerData.txt could be read
    bool text_cut = false;     // the clipboard held more than kClipboardChars
    int past_last_player = 0;  // values for a ninth player or later
    int groups_cleared = 0;    // friend groups set to 0 in the slots that took a name
    int unwritten = 0;         // values the file did not take
    // Read token by token:
    int names = 0;  // stored
    int ratings = 0;
    int passed_over = 0;      // names of more than 15 characters, ratings of more than 5 digits
    std::wstring stopped_at;  // the token that kept nothing and ended the capture, if any
    // Read line by line:
    bool by_lines = false;
    int players = 0;  // stored, from firstPlayer to lastPlayer (indexes)
    int first_player = 0;
    int last_player = 0;
    std::vector<std::wstring> learned_players;  // "Kestrel 1712": players without a rating the history rated
    std::vector<std::wstring>
        unrated_names;  // players without a rating the history does not know, given unrated_rating
    int32_t unrated_rating = 0;
    bool unrated_by_mean = false;         // unratedRating is the mean of the lobby's ratings, not the default
    std::vector<std::wstring> cut_names;  // names cut to 15 characters
    std::vector<LobbyLine> passed_lines;  // lines that gave no player
    int player_count = 0;                 // the count the capture set (it began at player 1), else 0
    int team_count = 0;                   // the file's team count then
};

// The note of a capture: how many names and ratings (or, line by line, how
// many players) were taken and, when it applies, where the capture stopped,
// that the eight players are filled, what was passed over, how many friend
// groups were cleared and what the file did not take.
std::wstring captureNote(const CaptureReport& report);

// Ctrl+1: stores the names and ratings found in the clipboard text (null when
// the clipboard held no text; its first kClipboardChars characters are read)
// into the next players in sequence.
// A lobby (see isLobby) is read line by line: one player a line, each at the
// next slot; a player without a rating whom resultsText (the text of
// Results.txt) knows is given his learned rating (mu rounded, as
// learned_ratings gives it) and is not marked unrated; one it does not know
// is given the mean rating of the lobby's rated players (the file's default
// rating when none has one) and marked unrated; a lobby that begins at player 1 sets the player count to
// the players it gave. Any other text is read token by token: a name of at
// most 15 characters at nameIndex, a rating of at most 5 digits at
// ratingIndex; other tokens are passed over, and the first token that keeps
// nothing ends the capture.
// A slot that takes a name loses its friend group (set to 0). The display is
// refreshed after every token (line by line: after every player), and the
// capture's note is shown at the end. A clipboard without text shows the
// error box instead, and so does a PlayerData.txt or folder that is read-only.
void captureClipboard(EditorState& state, EditorPort& port, const wchar_t* clipboardText,
                      const std::string& resultsText = std::string());

// Ctrl+8: resets PlayerData.txt (the players before kept in PlayerData.bak)
// and, when that worked, the capture indexes; a note says how to bring the
// players back.
bool runResetCommand(EditorState& state, EditorPort& port);
