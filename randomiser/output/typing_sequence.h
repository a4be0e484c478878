#pragma once
#include <string>
#include <vector>

#include "common/hotkey_latch.h"
#include "randomiser/state/option_set.h"
#include "randomiser/state/report_state.h"

// What the randomiser types into the focused window is computed here as a list
// of steps; the typing player plays them one by one, waiting on timers, so the
// keyboard hook keeps being answered while a sequence types. Every sequence
// starts with a wait for the release of Ctrl (still held from the hotkey), and
// in the multi-line ones every Enter waits for it again.
enum class StepKind {
    AwaitCtrlRelease,  // wait (bounded) until no Ctrl key (with real keys: no modifier) is held down
    PaceLine,          // wait until wait_ms have passed since the start of the line before
    TypeText,          // send each code unit of text (no control characters) as a keystroke
    PressEnter,        // send the Enter key
    Wait,              // pause for wait_ms milliseconds
    SaveReport,        // write lines to data.txt and add the match to Results.txt
    Quit,              // end the program with exit code 0
};

struct TypingStep {
    StepKind kind = StepKind::Wait;
    int wait_ms = 0;
    std::wstring text;
    std::vector<std::wstring> lines;  // SaveReport: the lines data.txt gets
};

using TypingSequence = std::vector<TypingStep>;

// Pacing of the sequences, in milliseconds.
constexpr int kLinePauseMs = 250;  // between a line and its Enter, around the report
constexpr int kChunkGapMs = 100;   // after each Enter of a rule text
constexpr int kChatOpenMs = 150;   // from the Enter that opens a chat to the line's first key

// How the option words shape every sequence. Without them each sequence is
// typed as it always was.
struct TypingStyle {
    bool open_chat = false;  // each line with text: Enter, a wait, the line, Enter; blank lines are left out
    int line_pause_ms = 0;   // in multi-line sequences, the least time from one line's start to the next's
    size_t line_cap = 0;     // the longest line typed, in characters (0: no limit); longer ones go in pieces
    bool real_keys = false;  // the player sends each character as the layout's key presses
};

TypingStyle typingStyleOf(const OptionSet& options);

// The lines as a sequence types them: without control characters, and each
// line longer than lineCap (0: no limit) in its pieces, a line of its own.
std::vector<std::wstring> typedLines(const std::vector<std::wstring>& lines, size_t lineCap);

// The report's lines as Ctrl+1 types them, and as data.txt then holds them.
std::vector<std::wstring> typedReportLines(const ReportState& report, size_t lineCap);

// The report: wait, then each line typed with a pause before its Enter, a
// final wait and the save to data.txt of the lines as they were typed (the
// pieces of a capped line, the blank lines too), so that a repost types what
// the chat saw.
TypingSequence reportSequence(const ReportState& report, const TypingStyle& style = TypingStyle());

// A rule text: each chunk typed, a pause, Enter, a short gap.
TypingSequence ruleTextSequence(const std::string& fileBytes, const TypingStyle& style = TypingStyle());

// The saved result: each line typed, Enter, a pause.
TypingSequence savedResultSequence(const std::string& fileBytes, const TypingStyle& style = TypingStyle());

// A map name or a coin side: the text and Enter, no pauses.
TypingSequence oneLineSequence(const std::wstring& text, const TypingStyle& style = TypingStyle());

// About how long a sequence takes to type, in milliseconds: its waits, each
// line at least its line_pause, and the time typing takes beyond them as it
// was measured under Wine (a report of 21 lines in 8.9 s; about 29 s with
// real keys).
int64_t estimatedTypingMs(const TypingSequence& steps, bool realKeys);

// The lines a sequence sends: its Enters, the ones that open a chat left out.
int typedLineCount(const TypingSequence& steps);

// The chunks in which a rule text is typed, as the runtime's fgets reads a
// text-mode file with a 50-byte buffer: a CR LF pair counts as one line feed,
// and a chunk ends after a line feed, after 49 bytes or at the end. A
// character of several UTF-8 bytes that does not fit in the chunk's 49 bytes
// starts the next chunk, and a byte order mark is not typed.
std::vector<std::wstring> ruleTextChunks(const std::string& fileBytes);

// The lines of data.txt that are typed again: each run of characters ended
// by a line feed (CR LF counts as one) is a line, without its line end, cut
// to 400 characters (a compact report's longest line); what follows the last
// line feed is no line.
std::vector<std::wstring> savedResultLines(const std::string& fileBytes);
