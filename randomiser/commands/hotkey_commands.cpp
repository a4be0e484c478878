#include "randomiser/commands/hotkey_commands.h"

#include "common/bounded_copy.h"
#include "common/crt_random.h"
#include "randomiser/output/chat_files.h"
#include "randomiser/commands/randomiser_hotkeys.h"
#include "randomiser/commands/rule_selection.h"
#include "randomiser/state/weighted_draw.h"

namespace {

const wchar_t* const kCoinTexts[2] = {L"Heads", L"Tails"};  // 0 and 1 of the coin

const wchar_t* const kNoRuleToDraw = L"No rule set can be drawn: the rule ratios add up to 0";
const wchar_t* const kNoMapToDraw = L"No map can be drawn: the map ratios add up to 0";
const wchar_t* const kNoReportToType =
    L"Sortilane: validate.\nA check run has nothing to type; data.txt is left as it was";

TypingStep quitStep() {
    TypingStep quit;
    quit.kind = StepKind::Quit;
    return quit;
}

// Types the current rule text. A file that cannot be typed is said in an
// error box that names it, so that a hotkey never does nothing in silence.
void typeRuleFile(const Randomiser& randomiser, CommandOutcome& outcome) {
    const std::wstring path = randomiser.current.rules_path;
    std::string bytes;
    switch (readRuleFile(path.c_str(), bytes)) {
        case RuleFileStatus::Read: outcome.sequence = ruleTextSequence(bytes, outcome.style); break;
        case RuleFileStatus::TooLong:
            outcome.error = L"Rule Text Over " + std::to_wstring(kRuleTextMaxBytes) + L" characters long - " + path;
            break;
        case RuleFileStatus::Missing: outcome.error = L"Could not find file - " + path; break;
        case RuleFileStatus::Unreadable: outcome.error = L"Could not read file - " + path; break;
    }
}

void drawRuleSet(Randomiser& randomiser, CommandOutcome& outcome) {
    int drawn = weightedDraw(randomiser.game.rule_table);
    if (drawn < 0) {
        outcome.error = kNoRuleToDraw;
        return;
    }
    selectRule(randomiser, drawn);
    typeRuleFile(randomiser, outcome);
}

void drawMap(Randomiser& randomiser, CommandOutcome& outcome) {
    int drawn = weightedDraw(randomiser.game.map_table);
    if (drawn < 0) {
        outcome.error = kNoMapToDraw;
        return;
    }
    boundedCopy(randomiser.current.map_name, randomiser.game.map_table[drawn].name);
    outcome.sequence = oneLineSequence(randomiser.current.map_name, outcome.style);
}

// The lines of data.txt, then the quit.
TypingSequence repostSequence(const TypingStyle& style) {
    std::string bytes;
    TypingSequence steps;
    if (readSavedResult(bytes)) steps = savedResultSequence(bytes, style);
    steps.push_back(quitStep());
    return steps;
}

}  // namespace

std::wstring ownWindowRefusal(const Randomiser& randomiser, int command) {
    const RandomiserHotkey* hotkey = randomiserHotkeyOf(command);
    // The repost mode types only with Ctrl+1, the saved result.
    const bool types = hotkey != nullptr && hotkey->types &&
                       (!randomiser.options().repost_only || hotkey->command == RandomiserCommand::TypeReport);
    if (!types) return L"";
    return L"Click into the game's chat first, then press Ctrl+" + std::to_wstring(command) +
           L" again: Sortilane never types into a window of its own.";
}

CommandOutcome runCommand(Randomiser& randomiser, int command) {
    CommandOutcome outcome;
    outcome.style = typingStyleOf(randomiser.options());  // once: every step of the command types in it
    const RandomiserHotkey* hotkey = randomiserHotkeyOf(command);
    if (hotkey == nullptr) return outcome;
    if (randomiser.options().repost_only) {
        if (hotkey->command == RandomiserCommand::TypeReport) outcome.sequence = repostSequence(outcome.style);
        outcome.quit = hotkey->command == RandomiserCommand::Quit;
        return outcome;
    }
    switch (hotkey->command) {
        case RandomiserCommand::TypeReport:
            if (randomiser.report.report_line_count == 0) {
                outcome.note = kNoReportToType;
                break;
            }
            outcome.sequence = reportSequence(randomiser.report, outcome.style);
            outcome.sequence.push_back(quitStep());
            break;
        case RandomiserCommand::TypeRuleText: typeRuleFile(randomiser, outcome); break;
        case RandomiserCommand::TypeMap:
            outcome.sequence = oneLineSequence(randomiser.current.map_name, outcome.style);
            break;
        case RandomiserCommand::OpenRuleSelection: outcome.open_rule_selection = true; break;
        case RandomiserCommand::DrawRuleSet: drawRuleSet(randomiser, outcome); break;
        case RandomiserCommand::DrawMap: drawMap(randomiser, outcome); break;
        case RandomiserCommand::OpenTooltips: outcome.open_tooltips = true; break;
        case RandomiserCommand::TossCoin:
            outcome.sequence = oneLineSequence(kCoinTexts[crtRand() % 2], outcome.style);
            break;
        case RandomiserCommand::Quit: outcome.quit = true; break;
        case RandomiserCommand::DrawAgain: outcome.draw_again = !randomiser.options().validate_only; break;
    }
    return outcome;
}
