#pragma once

// When the editor's hotkeys rest, and which note says so. While the
// randomiser runs its hotkeys are the ones that count: the editor's rest.
// They rest too while another program's full-screen window is in front: a
// game's control groups are Ctrl+digits, and no editor window may come up
// over the game or take its focus. Each rest says why once: a run of the
// randomiser that began while the editor ran is said by the randomiser's own
// start balloon, and the editor adds no note of its own (the tray shows one
// balloon at a time, and an editor note held back the randomiser's answer to
// the very key, "Press Esc again" among them, for ten seconds); a run that
// was going on when the editor started is said by its first hotkey; a game
// in front by the first command in its stretch.

constexpr const wchar_t* kRestNote = L"Sortilane is running: Rostrix's hotkeys rest until it ends";
constexpr const wchar_t* kAwakeNote = L"Sortilane has ended: Rostrix's hotkeys work again";
constexpr const wchar_t* kFullScreenNote = L"A full-screen game is in front: Rostrix's hotkeys rest";

struct HotkeyRest {
    bool randomiser_seen = false;    // the randomiser ran at the last look
    bool rest_noted = false;         // this run of the randomiser has been said
    bool full_screen_noted = false;  // the full-screen note was shown since such a window came in front
};

// What the shell does next: go on with the hotkey or command (or not), renew
// the keyboard hook, and show a note (null for none).
struct RestStep {
    bool go_on = false;
    bool renew_hook = false;
    const wchar_t* note = nullptr;
};

// The rest of an editor that starts now: a run of the randomiser going on
// already is said at the first hotkey.
HotkeyRest restAtStart(bool randomiserRuns);

// A hotkey (a command or Esc) as it comes: it goes on unless the randomiser runs.
RestStep onEditorHotkey(HotkeyRest& rest, bool randomiserRuns);

// A command once its Ctrl key is released: it runs unless a full-screen game
// is in front.
RestStep onCommandDue(HotkeyRest& rest, bool fullScreenGameInFront);

// The look twice a second. A game that left the front gets its note again in
// its next stretch. When a run of the randomiser ends, however it ends, the
// hook is renewed (the randomiser's came first in line; under Wine the hooks
// behind one whose program has ended were seen to get no key until they were
// installed again) and the host is told that the hotkeys work again.
RestStep onRestWatch(HotkeyRest& rest, bool randomiserRuns, bool fullScreenGameInFront);
