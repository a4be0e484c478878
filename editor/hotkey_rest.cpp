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

// A run of the randomiser that began while the editor ran has said in its
// start balloon that the editor rests: it needs no note of the editor.
void noteRunThatBegan(HotkeyRest& rest, bool randomiserRuns) {
    if (randomiserRuns && !rest.randomiser_seen) rest.rest_noted = true;
}

}  // namespace

HotkeyRest restAtStart(bool randomiserRuns) {
    HotkeyRest rest;
    rest.randomiser_seen = randomiserRuns;
    return rest;
}

RestStep onEditorHotkey(HotkeyRest& rest, bool randomiserRuns) {
    noteRunThatBegan(rest, randomiserRuns);
    return restingStep(randomiserRuns, rest.rest_noted, kRestNote);
}

RestStep onCommandDue(HotkeyRest& rest, bool fullScreenGameInFront) {
    return restingStep(fullScreenGameInFront, rest.full_screen_noted, kFullScreenNote);
}

RestStep onRestWatch(HotkeyRest& rest, bool randomiserRuns, bool fullScreenGameInFront) {
    RestStep step;
    if (!fullScreenGameInFront) rest.full_screen_noted = false;
    noteRunThatBegan(rest, randomiserRuns);
    if (rest.randomiser_seen && !randomiserRuns) {
        step.renew_hook = true;
        step.note = kAwakeNote;
        rest.rest_noted = false;
    }
    rest.randomiser_seen = randomiserRuns;
    return step;
}
