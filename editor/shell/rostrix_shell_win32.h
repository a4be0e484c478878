#pragma once
// What the files of the editor's Windows shell share: the editor's state, the
// bridge the portable code calls back through, and the operations each file
// offers the others. Each file keeps the handles of the windows it owns in
// one plain struct of its own.
#include <windows.h>

#include "editor/editor_hotkeys.h"
#include "editor/editor_port.h"
#include "editor/editor_state.h"
#include "win32/control_table_win32.h"
#include "win32/front_box_win32.h"

extern EditorState g_editor;  // PlayerData.txt in memory, capture indexes, input mode

// rostrix_main_win32.cpp
EditorPort& editorPort();  // error box owned by the main window, live display text

// main_window_win32.cpp
extern const wchar_t* const kOverlordWindowClass;
extern const wchar_t* const kLiveDisplayClass;
bool registerWindowClasses(HINSTANCE instance, const wchar_t* mainClassName);
bool createMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title);
HWND mainWindow();
BoxWindows boxWindows();  // the windows and tray icon an error box is shown with
const wchar_t* programTitle();
int screenWidth();
int screenHeight();
bool showEditorSplash();  // for five seconds, then the live display and the input window
bool addRostrixTrayIcon();
bool removeRostrixTrayIcon();
void showTrayNote(const wchar_t* text);  // a balloon at the tray icon, which takes no focus

// live_display_win32.cpp
LRESULT CALLBACK liveDisplayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool createLiveDisplay(HINSTANCE instance);
void setLiveDisplayText(const wchar_t* text);
void showLiveDisplay();
void hideLiveDisplay();
void destroyLiveDisplay();
void releaseDisplayFonts();

// input_windows_win32.cpp
bool openInputWindow();
bool openRuleTextWindow();
void focusFirstField();
void releaseRuleTextBackground();  // at shutdown

// info_windows_win32.cpp
bool openTooltips();
bool openCredits();

// hotkeys_win32.cpp
bool installEditorHotkeys();       // the keyboard hook, posting to the main window
void handleHotkey(Hotkey hotkey);  // rests while the randomiser runs
void runEditorCommand(EditorCommand command);
