#include "editor/hotkey_rest.h"

namespace {

// The step of a hotkey that rests or not: a rest shows its note once, until
// the rest has ended (noted tells whether it was shown).
RestStep restingStep(bool resting, bool& noted, const wchar_t* note) {
    RestStep step;
    step.go_on = !resting;
    if (resting && !noted) step.note = note;
    if (resting) noted = true;
    return step;
}

}  // namespace

RestStep onEditorHotkey(HotkeyRest& rest, bool randomiserRuns) {
    return restingStep(randomiserRuns, rest.rest_noted, kRestNote);
}

RestStep onCommandDue(HotkeyRest& rest, bool fullScreenGameInFront) {
    return restingStep(fullScreenGameInFront, rest.full_screen_noted, kFullScreenNote);
}

RestStep onRestWatch(HotkeyRest& rest, bool randomiserRuns, bool fullScreenGameInFront) {
    RestStep step;
    if (!fullScreenGameInFront) rest.full_screen_noted = false;
    if (rest.randomiser_seen && !randomiserRuns) {
        step.renew_hook = true;
        step.note = kAwakeNote;
        rest.rest_noted = false;
    }
    rest.randomiser_seen = randomiserRuns;
    return step;
}
