#pragma once
// Windows whose child controls are listed in a table: each row gives the
// class, text, style, id, place and size of one control and the error box
// text for when it cannot be made. Places and sizes are given at 96 DPI and
// made for the DPI of the parent window.
#include <windows.h>

#include <cstddef>

// The error box text when a label cannot be made.
constexpr const wchar_t* kNoLabel = L"Could not create text label.";

// One child control of a window: its class, text, style (added to WS_CHILD |
// WS_VISIBLE), id, place and size at 96 DPI, and the error box text when it cannot be
// made.
struct ControlSpec {
    const wchar_t* class_name;
    const wchar_t* text;
    DWORD style;
    int id;
    int x;
    int y;
    int width;
    int height;
    const wchar_t* failure_text;
};

// Creates the control as a visible child of parent, its place and size scaled
// by the parent's DPI / 96 and its font made for that DPI; null when it
// cannot be made.
HWND createControl(HWND parent, const ControlSpec& spec);

// Creates the controls of the table in order. Null when all were made;
// otherwise the row of the first that could not be made, after the debug
// line "Could not create control <id>" (the ones made before it stay).
const ControlSpec* createControls(HWND parent, const ControlSpec* specs, size_t count);
