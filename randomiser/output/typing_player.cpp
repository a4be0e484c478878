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
const wchar_t* const kReportSaved = L"\n\nThe whole report is saved in data.txt.";
const wchar_t* const kReportNotSaved = L"The report was typed but not saved: ";
const wchar_t* const kPreviousMatch =
    L"\n\nA later start with repost or rematch would post the previous match, not this one.";

// Whether a save step is still to come.
bool savePending(const TypingPlayer& player) {
    for (size_t i = player.next; i < player.steps.size(); ++i)
        if (player.steps[i].kind == StepKind::SaveReport) return true;
    return false;
}

// Drops the rest of the sequence, saving the report first when the typing
// has begun and its save is still to come. True when the report was saved.
bool endEarly(TypingPlayer& player, const ReportState& report) {
    std::wstring why;
    const bool saved = player.typing_begun && savePending(player) && saveReport(report, why);
    player = TypingPlayer();
    return saved;
}

// Asks the port to call again after milliseconds; false when it cannot, and
// the sequence then goes on at once rather than stall for good.
bool waitFor(TypingPlayer& player, TypingPort& port, int milliseconds) {
    player.waiting = port.callAgainAfter(milliseconds);
    return player.waiting;
}

// Stops the sequence with the error text; see endEarly.
PlayOutcome stopWith(TypingPlayer& player, const ReportState& report, const wchar_t* error) {
    PlayOutcome outcome;
    outcome.error = error;
    if (endEarly(player, report)) outcome.error += kReportSaved;
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

}  // namespace

void startSequence(TypingPlayer& player, TypingSequence steps) {
    player = TypingPlayer();
    player.steps = std::move(steps);
}

PlayOutcome playSteps(TypingPlayer& player, TypingPort& port, const ReportState& report) {
    PlayOutcome outcome;
    player.waiting = false;
    stillAimed(player, port);  // notes the window when the sequence starts
    while (player.next < player.steps.size()) {
        const TypingStep& step = player.steps[player.next];
        const bool keystroke = step.kind == StepKind::TypeText || step.kind == StepKind::PressEnter;
        if (keystroke && !stillAimed(player, port)) return stopWith(player, report, kFocusMoved);
        bool sent = true;
        switch (step.kind) {
            case StepKind::AwaitCtrlRelease:
                if (player.ctrl_waited_ms < kCtrlReleaseLimitMs && port.ctrlHeld()) {
                    player.ctrl_waited_ms += kCtrlPollMs;
                    if (waitFor(player, port, kCtrlPollMs)) return outcome;
                }
                player.ctrl_waited_ms = 0;
                break;
            case StepKind::TypeText:
                player.typing_begun = true;
                sent = sendText(port, step.text);
                break;
            case StepKind::PressEnter:
                player.typing_begun = true;
                sent = port.sendEnter() == kEventsPerKey;
                break;
            case StepKind::Wait:
                ++player.next;
                if (waitFor(player, port, step.wait_ms)) return outcome;
                continue;
            case StepKind::SaveReport: {
                std::wstring why;
                if (!saveReport(report, why)) outcome.error = kReportNotSaved + why + kPreviousMatch;
                break;
            }
            case StepKind::Quit:
                player = TypingPlayer();
                outcome.quit = true;
                return outcome;
        }
        if (!sent) return stopWith(player, report, kTypingFailed);
        ++player.next;
    }
    return outcome;
}

bool sequencePlaying(const TypingPlayer& player) { return player.waiting || player.next < player.steps.size(); }

void interruptSequence(TypingPlayer& player, const ReportState& report) { endEarly(player, report); }
