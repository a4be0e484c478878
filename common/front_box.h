#pragma once
// How every message box of both programs is shown: in front of the game, with
// the focus, whichever program had it. The style holds the values of Windows'
// MB_ flags, so that the choice is checked natively.
#include <cstddef>
#include <string>

constexpr unsigned kBoxIconError = 0x10;         // MB_ICONERROR
constexpr unsigned kBoxIconInformation = 0x40;   // MB_ICONINFORMATION
constexpr unsigned kBoxSetForeground = 0x10000;  // MB_SETFOREGROUND
constexpr unsigned kBoxTopmost = 0x40000;        // MB_TOPMOST

enum class BoxKind { Error, Information };

// The window that owns the box, made the foreground window before it shows:
// the program's shown secondary window (it takes no clicks until the box is
// closed, and gets the focus back), else its main window, else a hidden
// window made for the box (before the program has a window).
enum class BoxOwner { OpenWindow, MainWindow, MadeWindow };

struct FrontBoxPlan {
    unsigned style = 0;
    BoxOwner owner = BoxOwner::MadeWindow;
    std::wstring balloon;  // the box's first line for the tray icon; empty without an icon
};

// The plan of a box of that kind and text, given which windows the program
// has; balloonUnits is the room of a balloon's text.
FrontBoxPlan planFrontBox(BoxKind kind, const std::wstring& text, bool openWindowShown, bool mainWindowExists,
                          bool trayIcon, size_t balloonUnits);
