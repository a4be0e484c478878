// guide_terms
//
// Prints what the guide must document, one term a line, taken from the
// programs' own code: every option word of the randomiser's parser
// ("option WORD"), and every key that starts a command in either program
// ("hotkey PROGRAM KEY", KEY being Ctrl+1..Ctrl+9 or Esc).
#include <cstdio>
#include <string>

#include "common/hotkey_latch.h"
#include "common/text_convert.h"
#include "editor/editor_hotkeys.h"
#include "randomiser/startup/command_line.h"

namespace {

// What Ctrl held with the digit starts in a fresh latch.
Hotkey ctrlWith(int digit) {
    HotkeyLatch latch;
    onKeyEvent(latch, kVkLeftControl, true);
    return onKeyEvent(latch, '0' + static_cast<unsigned>(digit), true);
}

// Every hotkey of the latch is a command of the randomiser.
bool randomiserAnswers(int digit) { return ctrlWith(digit).digit == digit; }

bool editorAnswers(int digit) { return editorCommandOf(ctrlWith(digit)) != EditorCommand::None; }

void printHotkeys(const char* program, bool (*answers)(int), bool escQuits) {
    for (int digit = 1; digit <= 9; ++digit) {
        if (answers(digit)) std::printf("hotkey %s Ctrl+%d\n", program, digit);
    }
    if (escQuits) std::printf("hotkey %s Esc\n", program);
}

}  // namespace

int main() {
    for (const std::wstring& word : optionWords()) std::printf("option %s\n", toUtf8(word).c_str());
    HotkeyLatch latch;
    const Hotkey esc = onKeyEvent(latch, kVkEscape, true);
    printHotkeys("Brenlow_Sortilane", randomiserAnswers, esc.quit);
    printHotkeys("Brenlow_Rostrix", editorAnswers, editorCommandOf(esc) == EditorCommand::Quit);
    return 0;
}
