#include "randomiser/output/key_strokes.h"

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
