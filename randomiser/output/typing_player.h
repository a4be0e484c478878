#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include <vector>

#include "randomiser/output/key_strokes.h"
#include "randomiser/output/typing_sequence.h"
#include "randomiser/state/report_state.h"

// What the typing player asks of the system around it. The Windows shell
// answers with SendInput, GetAsyncKeyState, the keyboard layout of the
// focused window, GetTickCount64 and SetTimer; the tests record the calls and
// keep their own clock.
class TypingPort {
public:
    virtual ~TypingPort() = default;

    // Sends one UTF-16 code unit as a Unicode key-down and key-up; returns how
    // many of the two events went out.
    virtual int sendUnit(wchar_t unit) = 0;

    // Sends the Enter key down and up; returns how many of the two events went out.
    virtual int sendEnter() = 0;

    // Sends one key event of a real key, with its scan code; returns how many
    // events went out (1).
    virtual int sendKey(unsigned virtualKey, bool up) = 0;

    // The key that the focused window's keyboard layout names for the unit
    // (the system's answer, which can miss: see keyThatTypes).
    virtual LayoutKey layoutKey(wchar_t unit) = 0;

    // What the key types in the focused window's keyboard layout with the
    // shift state bits, without changing the keyboard's state.
    virtual KeyText keyText(unsigned virtualKey, unsigned shiftState) = 0;

    // Whether either Ctrl key is held down now.
    virtual bool ctrlHeld() = 0;

    // Whether a Ctrl, Shift, Alt or Windows key is held down now.
    virtual bool modifierHeld() = 0;

    // A clock in milliseconds, for the least time between lines.
    virtual int64_t nowMs() = 0;

    // The window that has the keyboard focus now, as a number that tells
    // windows apart (0 for none).
    virtual std::uintptr_t foregroundWindow() = 0;

    // Asks for playSteps to be called again after the given time; false when
    // the system gives no timer.
    virtual bool callAgainAfter(int milliseconds) = 0;
};

constexpr int kEventsPerKey = 2;  // a key-down and a key-up

// The sequence that plays and how far it has come.
struct TypingPlayer {
    TypingSequence steps;
    bool real_keys = false;          // characters go as the layout's key presses
    size_t next = 0;                 // the step that runs next
    size_t unit = 0;                 // with real keys: the unit of the text step that comes next
    std::vector<KeyStroke> strokes;  // with real keys: the key events of the unit or Enter under way
    size_t stroke = 0;               // the next of them
    bool line_started = false;       // line_started_ms holds when the last paced line began
    int64_t line_started_ms = 0;
    bool waiting = false;       // a call-again is asked for and still to come
    int ctrl_waited_ms = 0;     // time spent so far in the current Ctrl wait
    bool typing_begun = false;  // a keystroke of this sequence has been sent
    bool aimed = false;         // aimed_window holds the window the sequence types into
    std::uintptr_t aimed_window = 0;
};

// What the shell must do once the player has returned.
struct PlayOutcome {
    bool quit = false;   // end the program with exit code 0
    std::wstring error;  // show this in the error box when not empty
};

// Replaces whatever played with the steps, from the first. With realKeys
// each character goes as the key presses of the focused window's layout
// (each key held kKeyHoldMs), or as a Unicode keystroke where the layout has
// no plain key for it; Enter is held too, and the waits for the hotkey's
// release wait for every modifier.
void startSequence(TypingPlayer& player, TypingSequence steps, bool realKeys = false);

// Plays steps until one has to wait (the port is asked to call again), the
// sequence ends, or the typing has to stop. The window that has the focus
// when the sequence starts is the one it types into; it is checked again
// before each line and each Enter. A refused keystroke, or the focus gone to
// another window, stops the sequence: the report is still saved (and the
// match added to Results.txt) when the sequence had its save to come, and the outcome holds the error text. A
// save that fails, of data.txt or of the match's line in Results.txt, is said in the outcome's error too, with
// what it loses and the system's reason; the sequence goes on.
// A save step writes its lines to data.txt and the match of report to
// Results.txt.
PlayOutcome playSteps(TypingPlayer& player, TypingPort& port, const ReportState& report);

// True from the start of a sequence until its last step has run and its last
// wait is over.
bool sequencePlaying(const TypingPlayer& player);

// Whether the sequence has its quit still to come (the report's, the
// repost's): stopped early, it ends the program all the same.
bool quitStillToCome(const TypingPlayer& player);

// Ends the sequence at once: keys it holds down are
// released, and when its typing has begun and its save is still to come, the
// report is saved (and the match added to Results.txt) now, so data.txt holds the whole report however much of it
// reached the chat.
void interruptSequence(TypingPlayer& player, TypingPort& port, const ReportState& report);
