#include "randomiser/commands/randomiser_hotkeys.h"

#include "common/hotkey_latch.h"

namespace {

const RandomiserHotkey kRandomiserHotkeys[] = {
    {1, RandomiserCommand::TypeReport, true},    {2, RandomiserCommand::TypeRuleText, true},
    {3, RandomiserCommand::TypeMap, true},       {4, RandomiserCommand::OpenRuleSelection, false},
    {5, RandomiserCommand::DrawRuleSet, true},   {6, RandomiserCommand::DrawMap, true},
    {7, RandomiserCommand::OpenTooltips, false}, {8, RandomiserCommand::TossCoin, true},
    {9, RandomiserCommand::Quit, false},         {kDigitZero, RandomiserCommand::DrawAgain, false},
};

}  // namespace

const RandomiserHotkey* randomiserHotkeyOf(int digit) {
    for (const RandomiserHotkey& hotkey : kRandomiserHotkeys) {
        if (hotkey.digit == digit) return &hotkey;
    }
    return nullptr;
}
