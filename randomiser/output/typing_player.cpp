#include "randomiser/output/typing_player.h"

#include <utility>

#include "randomiser/output/chat_files.h"

namespace {

const wchar_t* const kTypingFailed =
    L"Typing failed: Windows refused keystrokes, so the text reached the chat only in part.\n\n"
    L"This happens when the game runs with higher rights than the randomiser, when the game ignores "
    L"synthetic keys, or when the desktop is locked.";
const wchar_t* const kReportSaved = L"\n\nThe whole report is saved in data.txt.";

// Whether a save step is still to come.
bool savePending(const TypingPlayer& player) {
    for (size_t i = player.next; i < player.steps.size(); ++i)
        if (player.steps[i].kind == StepKind::SaveReport) return true;
    return false;
}

// Drops the rest of the sequence, saving the report first when the typing
// has begun and its save is still to come. True when the report was saved.
bool endEarly(TypingPlayer& player, const ReportState& report) {
    const bool saved = player.typing_begun && savePending(player) && saveReport(report);
    player = TypingPlayer();
    return saved;
}

// Asks the port to call again after milliseconds; false when it cannot, and
// the sequence then goes on at once rather than stall for good.
bool waitFor(TypingPlayer& player, TypingPort& port, int milliseconds) {
    player.waiting = port.callAgainAfter(milliseconds);
    return player.waiting;
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
    while (player.next < player.steps.size()) {
        const TypingStep& step = player.steps[player.next];
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
            case StepKind::SaveReport:
                saveReport(report);
                break;
            case StepKind::Quit:
                player = TypingPlayer();
                outcome.quit = true;
                return outcome;
        }
        if (!sent) {
            outcome.error = kTypingFailed;
            if (endEarly(player, report)) outcome.error += kReportSaved;
            return outcome;
        }
        ++player.next;
    }
    return outcome;
}

bool sequencePlaying(const TypingPlayer& player) { return player.waiting || player.next < player.steps.size(); }

void interruptSequence(TypingPlayer& player, const ReportState& report) { endEarly(player, report); }
