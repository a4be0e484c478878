#pragma once

// What the portable editor code asks of the windows around it. The Win32
// shell implements it with a message box in front of the editor's windows,
// the contents label of the live display and a balloon of the tray icon;
// the tests record the calls.
class EditorPort {
public:
    virtual ~EditorPort() = default;

    // A modal box with the text, the caption "Error" and an OK button.
    virtual void showErrorBox(const wchar_t* text) = 0;

    // Sets the text of the live display's contents label.
    virtual void setDisplayText(const wchar_t* text) = 0;

    // A short note that takes no focus, such as what a clipboard capture took.
    virtual void showNote(const wchar_t* text) = 0;
};
