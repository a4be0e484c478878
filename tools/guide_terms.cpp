// guide_terms
//
// Prints what the guide must document, one term a line, taken from the
// programs' own code: every option word of the randomiser's parser
// ("option WORD"), and every key that starts a command in either program
// ("hotkey PROGRAM KEY", KEY being Ctrl+1..Ctrl+9 or Esc).
#include <cstdio>
#include <string>

#include "common/text_convert.h"
#include "editor/editor_hotkeys.h"
#include "randomiser/output/hotkey_latch.h"
#include "randomiser/startup/command_line.h"

namespace {

KeyPress keyOf(HotKey key, int digit = 0) {
    KeyPress press;
    press.key = key;
    press.digit = digit;
    return press;
}

// Whether Ctrl followed by the digit starts a command of the randomiser.
bool randomiserAnswers(int digit) {
    HotkeyLatch latch;
    onKeyDown(latch, keyOf(HotKey::Ctrl), false);
    return onKeyDown(latch, keyOf(HotKey::Digit, digit), false).command == digit;
}

bool editorAnswers(int digit) {
    CtrlLatch latch;
    onEditorKeyDown(latch, keyOf(HotKey::Ctrl));
    return onEditorKeyDown(latch, keyOf(HotKey::Digit, digit)) != EditorCommand::None;
}

void printHotkeys(const char* program, bool (*answers)(int), bool escQuits) {
    for (int digit = 1; digit <= 9; ++digit) {
        if (answers(digit)) std::printf("hotkey %s Ctrl+%d\n", program, digit);
    }
    if (escQuits) std::printf("hotkey %s Esc\n", program);
}

}  // namespace

int main() {
    for (const std::wstring& word : optionWords()) std::printf("option %s\n", toUtf8(word).c_str());
    HotkeyLatch randomiserLatch;
    printHotkeys("Brenlow_Sortilane", randomiserAnswers, onKeyDown(randomiserLatch, keyOf(HotKey::Esc), false).quit);
    CtrlLatch editorLatch;
    printHotkeys("Brenlow_Rostrix", editorAnswers,
                 onEditorKeyDown(editorLatch, keyOf(HotKey::Esc)) == EditorCommand::Quit);
    return 0;
}
