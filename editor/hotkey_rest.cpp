#include "editor/hotkey_rest.h"

RestStep onEditorHotkey(HotkeyRest& rest, bool randomiserRuns) {
    RestStep step;
    step.go_on = !randomiserRuns;
    if (randomiserRuns && !rest.rest_noted) step.note = kRestNote;
    if (randomiserRuns) rest.rest_noted = true;
    return step;
}

RestStep onCommandDue(HotkeyRest& rest, bool fullScreenGameInFront) {
    RestStep step;
    step.go_on = !fullScreenGameInFront;
    if (fullScreenGameInFront && !rest.full_screen_noted) step.note = kFullScreenNote;
    if (fullScreenGameInFront) rest.full_screen_noted = true;
    return step;
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
