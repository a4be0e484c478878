#pragma once

// When the editor's hotkeys rest, and which note says so. While the
// randomiser runs its hotkeys are the ones that count: the editor's rest.
// They rest too while another program's full-screen window is in front: a
// game's control groups are Ctrl+digits, and no editor window may come up
// over the game or take its focus. Each rest says why once: the first hotkey
// in a run of the randomiser, the first command in a stretch of a game in
// front.

constexpr const wchar_t* kRestNote = L"Sortilane is running: Rostrix's hotkeys rest until it ends";
constexpr const wchar_t* kAwakeNote = L"Sortilane has ended: Rostrix's hotkeys work again";
constexpr const wchar_t* kFullScreenNote = L"A full-screen game is in front: Rostrix's hotkeys rest";

struct HotkeyRest {
    bool randomiser_seen = false;    // the randomiser ran at the last look
    bool rest_noted = false;         // the rest note was shown in this run of the randomiser
    bool full_screen_noted = false;  // the full-screen note was shown since such a window came in front
};

// What the shell does next: go on with the hotkey or command (or not), renew
// the keyboard hook, and show a note (null for none).
struct RestStep {
    bool go_on = false;
    bool renew_hook = false;
    const wchar_t* note = nullptr;
};

// A hotkey (a command or Esc) as it comes: it goes on unless the randomiser runs.
RestStep onEditorHotkey(HotkeyRest& rest, bool randomiserRuns);

// A command once its Ctrl key is released: it runs unless a full-screen game
// is in front.
RestStep onCommandDue(HotkeyRest& rest, bool fullScreenGameInFront);

// The look twice a second. A game that left the front gets its note again in
// its next stretch. When a run of the randomiser ends, however it ends, the
// hook is renewed (the randomiser's came first in line; under Wine the hooks
// behind one whose program has ended were seen to get no key until they were
// installed again), the host is told that the hotkeys work again, and the
// next run gets a rest note of its own.
RestStep onRestWatch(HotkeyRest& rest, bool randomiserRuns, bool fullScreenGameInFront);
