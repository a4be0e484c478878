#pragma once
#include <cstdint>

// Esc is the key a game closes its chat and its menus with, so one Esc does
// not end a program: the first press asks for a second in a balloon, and Esc
// pressed again within kEscAgainMs quits. An Esc that has something of the
// program's own to stop (a sequence that types, one of its windows in front)
// stops that alone and asks for nothing.

// The longest time from the first Esc to the second that still quits.
constexpr uint32_t kEscAgainMs = 1000;

// What an Esc press does.
enum class EscAction {
    StopTyping,      // the sequence that types stops at once
    CloseOwnWindow,  // the program's own window in front closes
    AskAgain,        // the balloon asks for Esc again
    Quit,            // the second press in time: the program ends
};

// What the program is doing when Esc goes down.
struct EscMoment {
    uint32_t time_ms = 0;  // the key event's time, in ms of the system's clock (it wraps at 2^32)
    bool typing = false;
    bool own_window_in_front = false;
};

// The first press that asked for another, if any.
struct EscLatch {
    bool asked = false;
    uint32_t asked_ms = 0;
};

// Decides what the press of Esc at that moment does and remembers it.
EscAction onEscPress(EscLatch& latch, const EscMoment& moment);
