#include "randomiser/output/key_strokes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LayoutKey keyOf(unsigned virtualKey, unsigned shiftState, bool dead = false) {
    LayoutKey key;
    key.found = true;
    key.virtual_key = virtualKey;
    key.shift_state = shiftState;
    key.dead = dead;
    return key;
}

// The strokes written compactly: "+K" for a key-down, "-K" for a key-up, K
// being the key's character, "Shift" or "AltGr"; "~N" after a held key.
std::string strokesText(const std::vector<KeyStroke>& strokes) {
    std::string out;
    for (const KeyStroke& stroke : strokes) {
        if (!out.empty()) out += ' ';
        out += stroke.up ? '-' : '+';
        if (stroke.virtual_key == kVkShift)
            out += "Shift";
        else if (stroke.virtual_key == kVkRightAlt)
            out += "AltGr";
        else
            out += static_cast<char>(stroke.virtual_key);
        if (stroke.hold_ms > 0) out += "~" + std::to_string(stroke.hold_ms);
    }
    return out;
}

TEST(RealKeyStrokes, PressTheModifiersTheLayoutAsksFor) {
    EXPECT_EQ(strokesText(realKeyStrokes(keyOf('A', 0))), "+A~20 -A");
    EXPECT_EQ(strokesText(realKeyStrokes(keyOf('A', kShiftStateShift))), "+Shift +A~20 -A -Shift");
    EXPECT_EQ(strokesText(realKeyStrokes(keyOf('2', kShiftStateAltGr))), "+AltGr +2~20 -2 -AltGr")
        << "AltGr goes as the right Alt";
    EXPECT_EQ(strokesText(realKeyStrokes(keyOf('X', kShiftStateShift | kShiftStateAltGr))),
              "+Shift +AltGr +X~20 -X -AltGr -Shift");
}

TEST(RealKeyStrokes, FallBackToUnicodeWhereNoPlainKeyTypesIt) {
    EXPECT_TRUE(realKeyStrokes(LayoutKey()).empty()) << "no key in the layout";
    EXPECT_TRUE(realKeyStrokes(keyOf(kVkReturn, kShiftStateCtrl)).empty()) << "Ctrl alone";
    EXPECT_TRUE(realKeyStrokes(keyOf('X', kShiftStateAlt)).empty()) << "Alt alone";
    EXPECT_TRUE(realKeyStrokes(keyOf('X', 8)).empty()) << "a shift state beyond Shift and AltGr";
    EXPECT_TRUE(realKeyStrokes(keyOf(0xDC, 0, true)).empty()) << "a dead key would wait for the next";
}

// A US layout in part: the digits 9 and 0 (Shift: "(" and ")"), the letter
// key A, and the dead accent key that types "^" with Shift.
KeyText usKeyText(unsigned virtualKey, unsigned shiftState) {
    KeyText typed;
    const bool shift = shiftState == kShiftStateShift;
    if (shiftState != 0 && !shift) return typed;
    if (virtualKey == '9') typed.text = shift ? L"(" : L"9";
    if (virtualKey == '0') typed.text = shift ? L")" : L"0";
    if (virtualKey == 'A') typed.text = shift ? L"A" : L"a";
    if (virtualKey == 0xDE && shift) {
        typed.text = L"^";
        typed.dead = true;
    }
    return typed;
}

TEST(KeyThatTypes, TakesTheSystemsAnswerOnlyWhenItsKeyTypesTheCharacter) {
    const LayoutKey none;
    EXPECT_EQ(strokesText(realKeyStrokes(keyThatTypes(L'(', none, usKeyText))), "+Shift +9~20 -9 -Shift")
        << "no answer, as Wine gives for \"(\"";
    EXPECT_EQ(strokesText(realKeyStrokes(keyThatTypes(L')', keyOf('A', 0), usKeyText))), "+Shift +0~20 -0 -Shift")
        << "an answer whose key types another character";
    EXPECT_EQ(strokesText(realKeyStrokes(keyThatTypes(L'9', none, usKeyText))), "+9~20 -9") << "no modifier first";
    EXPECT_EQ(strokesText(realKeyStrokes(keyThatTypes(L'A', keyOf('A', kShiftStateShift), usKeyText))),
              "+Shift +A~20 -A -Shift");
    EXPECT_TRUE(realKeyStrokes(keyThatTypes(L'^', none, usKeyText)).empty()) << "a dead key found is still dead";
    EXPECT_FALSE(keyThatTypes(L'\u0412', none, usKeyText).found) << "no key types it";
    const LayoutKey answer = keyOf('X', 0);
    EXPECT_EQ(keyThatTypes(L'\u0412', answer, usKeyText).virtual_key, answer.virtual_key)
        << "when no key types it, the system's answer stands";
}

}  // namespace
