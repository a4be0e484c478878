// guide_terms
//
// Prints what the guide must document, one term a line, taken from the
// programs' own code: every option word of the randomiser's parser
// ("option WORD"), and every key that starts a command in either program
// ("hotkey PROGRAM KEY", KEY being Ctrl+0..Ctrl+9 or Esc).
#include <cstdio>
#include <string>

#include "common/hotkey_latch.h"
#include "common/text_convert.h"
#include "editor/editor_hotkeys.h"
#include "randomiser/commands/randomiser_hotkeys.h"
#include "randomiser/startup/command_line.h"

namespace {

// What Ctrl held with the digit key ('0'..'9') starts in a fresh latch.
Hotkey ctrlWith(char key) {
    HotkeyLatch latch;
    onKeyEvent(latch, kVkLeftControl, true);
    return onKeyEvent(latch, static_cast<unsigned>(key), true);
}

bool randomiserAnswers(char key) { return randomiserHotkeyOf(ctrlWith(key).digit) != nullptr; }

bool editorAnswers(char key) { return editorCommandOf(ctrlWith(key)) != EditorCommand::None; }

void printHotkeys(const char* program, bool (*answers)(char), bool escQuits) {
    for (char key = '0'; key <= '9'; ++key) {
        if (answers(key)) std::printf("hotkey %s Ctrl+%c\n", program, key);
    }
    if (escQuits) std::printf("hotkey %s Esc\n", program);
}

}  // namespace

int main() {
    for (const std::wstring& word : optionWords()) std::printf("option %s\n", toUtf8(word).c_str());
    HotkeyLatch latch;
    const Hotkey esc = onKeyEvent(latch, kVkEscape, true);
    // Both programs quit on Esc pressed twice (common/esc_quit.h).
    printHotkeys("Brenlow_Sortilane", randomiserAnswers, esc.esc);
    printHotkeys("Brenlow_Rostrix", editorAnswers, esc.esc);
    return 0;
}
