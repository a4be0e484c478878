#include "randomiser/output/typing_player.h"

#include <utility>

#include "randomiser/output/chat_files.h"

namespace {

const wchar_t* const kTypingFailed =
    L"Typing failed: Windows refused keystrokes, so the text reached the chat only in part.\n\n"
    L"This happens when the game runs with higher rights than the randomiser, when the game ignores "
    L"synthetic keys, or when the desktop is locked.";
const wchar_t* const kFocusMoved =
    L"Typing stopped: another window took the focus, so the rest was not typed there.\n\n"
    L"Click into the game's chat again and press the same hotkey: it types the text again from its first line.";
const wchar_t* const kReportSaved = L"The whole report is saved in data.txt.";
const wchar_t* const kReportNotSaved = L"The report was typed but not saved: ";
const wchar_t* const kReportNotSavedEarly = L"The report was not saved: ";
const wchar_t* const kPreviousMatch =
    L"\n\nA later start with repost or rematch would post the previous match, not this one.";
const wchar_t* const kMatchNotAdded = L"The match was not added to Results.txt: ";
const wchar_t* const kResultLost =
    L"\n\nA result recorded now (result N, or the editor's tray menu) would go to the match before this one, "
    L"and learned_ratings will not learn from this match.";

// The save step still to come, if any.
const TypingStep* pendingSave(const TypingPlayer& player) {
    for (size_t i = player.next; i < player.steps.size(); ++i)
        if (player.steps[i].kind == StepKind::SaveReport) return &player.steps[i];
    return nullptr;
}

// What a save of the match wrote, and why not where it did not.
struct MatchSave {
    bool report_saved = false;
    std::wstring report_why;   // why data.txt was not written
    std::wstring results_why;  // why the match is not in Results.txt; empty when it is (or none was due)
};

// Saves the lines of the save step to data.txt and adds the match to
// Results.txt: both at the moment the report counts as given.
MatchSave saveMatch(const TypingStep& step, const ReportState& report) {
    MatchSave save;
    save.report_saved = saveReport(step.lines, save.report_why);
    save.results_why = recordMatch(report);
    return save;
}

// What the box says of the save: of data.txt, then of Results.txt. Empty
// when the whole report was typed and both took it; typing that stopped
// early always says where the report is.
std::wstring saveText(const MatchSave& save, bool typedWhole) {
    std::wstring text;
    if (!save.report_saved)
        text = (typedWhole ? kReportNotSaved : kReportNotSavedEarly) + save.report_why + kPreviousMatch;
    else if (!typedWhole || !save.results_why.empty())
        text = kReportSaved;
    if (!save.results_why.empty()) text += L"\n\n" + (kMatchNotAdded + save.results_why) + L"." + kResultLost;
    return text;
}

// How far the key events of a unit or an Enter have gone.
enum class KeysSent { Done, Waiting, Refused };

// Sends the key-ups still to come of the key events under way, so that no
// key stays down when a sequence ends in the middle of a key press.
void releaseHeldKeys(TypingPlayer& player, TypingPort& port) {
    for (size_t i = player.stroke; i < player.strokes.size(); ++i)
        if (player.strokes[i].up) port.sendKey(player.strokes[i].virtual_key, true);
}

// Drops the rest of the sequence, saving the report first when the typing
// has begun and its save is still to come. Returns what the box says of
// that save; empty when there was none.
std::wstring endEarly(TypingPlayer& player, TypingPort& port, const ReportState& report) {
    releaseHeldKeys(player, port);
    const TypingStep* save = player.typing_begun ? pendingSave(player) : nullptr;
    const std::wstring text = save != nullptr ? saveText(saveMatch(*save, report), false) : L"";
    player = TypingPlayer();
    return text;
}

// Asks the port to call again after milliseconds; false when it cannot, and
// the sequence then goes on at once rather than stall for good.
bool waitFor(TypingPlayer& player, TypingPort& port, int milliseconds) {
    player.waiting = port.callAgainAfter(milliseconds);
    return player.waiting;
}

// Stops the sequence with the error text; see endEarly.
PlayOutcome stopWith(TypingPlayer& player, TypingPort& port, const ReportState& report, const wchar_t* error) {
    PlayOutcome outcome;
    outcome.error = error;
    const std::wstring saved = endEarly(player, port, report);
    if (!saved.empty()) outcome.error += L"\n\n" + saved;
    return outcome;
}

// Whether the window that has the focus is still the one the sequence
// started in; the first call notes it.
bool stillAimed(TypingPlayer& player, TypingPort& port) {
    const std::uintptr_t window = port.foregroundWindow();
    if (!player.aimed) {
        player.aimed = true;
        player.aimed_window = window;
    }
    return window == player.aimed_window;
}

// Sends the text unit by unit; false at the first unit that did not go out whole.
bool sendText(TypingPort& port, const std::wstring& text) {
    for (wchar_t unit : text)
        if (port.sendUnit(unit) != kEventsPerKey) return false;
    return true;
}

// Sends the key events under way; a held key makes the port call again.
KeysSent sendStrokes(TypingPlayer& player, TypingPort& port) {
    while (player.stroke < player.strokes.size()) {
        const KeyStroke& stroke = player.strokes[player.stroke++];
        if (port.sendKey(stroke.virtual_key, stroke.up) != 1) return KeysSent::Refused;
        if (stroke.hold_ms > 0 && waitFor(player, port, stroke.hold_ms)) return KeysSent::Waiting;
    }
    player.strokes.clear();
    player.stroke = 0;
    return KeysSent::Done;
}

// Types the text with real keys from the unit under way on: each unit as the
// key presses of the layout, or as a Unicode keystroke where it has none.
KeysSent typeRealKeys(TypingPlayer& player, TypingPort& port, const std::wstring& text) {
    for (;;) {
        const KeysSent sent = sendStrokes(player, port);
        if (sent != KeysSent::Done) return sent;
        if (player.unit == text.size()) break;
        const wchar_t unit = text[player.unit++];
        const KeyTextOf keyTextOf = [&port](unsigned virtualKey, unsigned shiftState) {
            return port.keyText(virtualKey, shiftState);
        };
        player.strokes = realKeyStrokes(keyThatTypes(unit, port.layoutKey(unit), keyTextOf));
        if (player.strokes.empty() && port.sendUnit(unit) != kEventsPerKey) return KeysSent::Refused;
    }
    player.unit = 0;
    return KeysSent::Done;
}

// Enter with real keys: held like any key.
KeysSent pressRealEnter(TypingPlayer& player, TypingPort& port) {
    if (player.strokes.empty()) player.strokes = enterStrokes();
    return sendStrokes(player, port);
}

// Whether the line may start now: line_pause ms after the last one started.
// When not, the port is asked to call again then (false is returned).
bool lineMayStart(TypingPlayer& player, TypingPort& port, int linePauseMs) {
    const int64_t now = port.nowMs();
    const int64_t due = player.line_started_ms + linePauseMs;
    if (player.line_started && now < due && waitFor(player, port, static_cast<int>(due - now))) return false;
    player.line_started = true;
    player.line_started_ms = port.nowMs();
    return true;
}

}  // namespace

void startSequence(TypingPlayer& player, TypingSequence steps, bool realKeys) {
    player = TypingPlayer();
    player.steps = std::move(steps);
    player.real_keys = realKeys;
}

PlayOutcome playSteps(TypingPlayer& player, TypingPort& port, const ReportState& report) {
    PlayOutcome outcome;
    player.waiting = false;
    stillAimed(player, port);  // notes the window when the sequence starts
    while (player.next < player.steps.size()) {
        const TypingStep& step = player.steps[player.next];
        const bool keystroke = step.kind == StepKind::TypeText || step.kind == StepKind::PressEnter;
        if (keystroke && !stillAimed(player, port)) return stopWith(player, port, report, kFocusMoved);
        KeysSent sent = KeysSent::Done;
        switch (step.kind) {
            case StepKind::AwaitCtrlRelease:
                if (player.ctrl_waited_ms < kCtrlReleaseLimitMs &&
                    (player.real_keys ? port.modifierHeld() : port.ctrlHeld())) {
                    player.ctrl_waited_ms += kCtrlPollMs;
                    if (waitFor(player, port, kCtrlPollMs)) return outcome;
                }
                player.ctrl_waited_ms = 0;
                break;
            case StepKind::PaceLine:
                if (!lineMayStart(player, port, step.wait_ms)) return outcome;
                break;
            case StepKind::TypeText:
                player.typing_begun = true;
                if (player.real_keys)
                    sent = typeRealKeys(player, port, step.text);
                else if (!sendText(port, step.text))
                    sent = KeysSent::Refused;
                break;
            case StepKind::PressEnter:
                player.typing_begun = true;
                if (player.real_keys)
                    sent = pressRealEnter(player, port);
                else if (port.sendEnter() != kEventsPerKey)
                    sent = KeysSent::Refused;
                break;
            case StepKind::Wait:
                ++player.next;
                if (waitFor(player, port, step.wait_ms)) return outcome;
                continue;
            case StepKind::SaveReport: outcome.error = saveText(saveMatch(step, report), true); break;
            case StepKind::Quit:
                player = TypingPlayer();
                outcome.quit = true;
                return outcome;
        }
        if (sent == KeysSent::Waiting) return outcome;
        if (sent == KeysSent::Refused) return stopWith(player, port, report, kTypingFailed);
        ++player.next;
    }
    return outcome;
}

bool sequencePlaying(const TypingPlayer& player) { return player.waiting || player.next < player.steps.size(); }

bool quitStillToCome(const TypingPlayer& player) {
    for (size_t step = player.next; step < player.steps.size(); ++step)
        if (player.steps[step].kind == StepKind::Quit) return true;
    return false;
}

void interruptSequence(TypingPlayer& player, TypingPort& port, const ReportState& report) {
    endEarly(player, port, report);
}
