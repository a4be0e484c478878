#include "randomiser/output/key_strokes.h"

namespace {

// The virtual keys of the main block that type characters on every layout:
// the space bar, the digits, the letters and the punctuation (OEM) keys.
struct KeyRange {
    unsigned first;
    unsigned last;
};
constexpr KeyRange kMainBlockKeys[] = {{0x20, 0x20}, {0x30, 0x39}, {0x41, 0x5A},
                                       {0xBA, 0xC0}, {0xDB, 0xDF}, {0xE2, 0xE2}};

bool typesUnit(const KeyText& typed, wchar_t unit) { return typed.text.size() == 1 && typed.text[0] == unit; }

}  // namespace

LayoutKey keyThatTypes(wchar_t unit, const LayoutKey& answer, const KeyTextOf& keyTextOf) {
    if (answer.found && typesUnit(keyTextOf(answer.virtual_key, answer.shift_state), unit)) return answer;
    const unsigned shiftStates[] = {0, kShiftStateShift, kShiftStateAltGr, kShiftStateShift | kShiftStateAltGr};
    for (unsigned shift : shiftStates) {
        for (const KeyRange& range : kMainBlockKeys) {
            for (unsigned virtualKey = range.first; virtualKey <= range.last; ++virtualKey) {
                const KeyText typed = keyTextOf(virtualKey, shift);
                if (!typesUnit(typed, unit)) continue;
                LayoutKey key;
                key.found = true;
                key.virtual_key = virtualKey;
                key.shift_state = shift;
                key.dead = typed.dead;
                return key;
            }
        }
    }
    return answer;
}

std::vector<KeyStroke> realKeyStrokes(const LayoutKey& key) {
    const unsigned shift = key.shift_state;
    const bool altGr = (shift & kShiftStateAltGr) == kShiftStateAltGr;
    const bool onlyShiftAndAltGr = (shift & ~(kShiftStateShift | kShiftStateAltGr)) == 0;
    const bool ctrlOrAltAlone = !altGr && (shift & kShiftStateAltGr) != 0;
    if (!key.found || key.dead || !onlyShiftAndAltGr || ctrlOrAltAlone) return {};

    std::vector<KeyStroke> strokes;
    if (shift & kShiftStateShift) strokes.push_back({kVkShift, false, 0});
    if (altGr) strokes.push_back({kVkRightAlt, false, 0});
    strokes.push_back({key.virtual_key, false, kKeyHoldMs});
    strokes.push_back({key.virtual_key, true, 0});
    if (altGr) strokes.push_back({kVkRightAlt, true, 0});
    if (shift & kShiftStateShift) strokes.push_back({kVkShift, true, 0});
    return strokes;
}

std::vector<KeyStroke> enterStrokes() { return {{kVkReturn, false, kKeyHoldMs}, {kVkReturn, true, 0}}; }
