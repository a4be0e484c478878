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

// The error box text when a window or one of its labels cannot be made.
constexpr const wchar_t* kNoLabel = L"Could not create text label.";

// The ids of the overlord window's controls that its procedure handles: the
// input window's button, and the rule text window's buttons and text box.
constexpr int kEnterDataId = 113;
constexpr int kLoadId = 124;
constexpr int kSaveId = 125;
constexpr int kRuleTextBoxId = 126;

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

// overlord_window_win32.cpp
LRESULT CALLBACK overlordWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HWND overlordWindow();
void closeOverlordWindow();
// Destroys the open overlord window and makes a new one, hidden; with x
// CW_USEDEFAULT the system chooses the left edge and the top edge is 0. The
// size is given at 96 DPI.
bool createOverlordWindow(int x, int y, int width, int height, bool scrolling);
bool addControls(const ControlSpec* specs, size_t count);
void setHeadingFont(int id);
void presentOverlordWindow();
bool loadRuleTextBackground();
void releaseOverlordWindow();  // at shutdown: the window and the background brush
void releaseHeadingFont();

// input_windows_win32.cpp
bool openInputWindow();
bool openRuleTextWindow();
void focusFirstField();
void onEnterData();
void onLoadRuleText();
void onSaveRuleText();
void onRuleTextChanged();  // shows how many bytes Save would write

// info_windows_win32.cpp
bool openTooltipWindow();
bool openCreditsWindow();

// hotkeys_win32.cpp
bool installEditorHotkeys();       // the keyboard hook, posting to the main window
void handleHotkey(Hotkey hotkey);  // rests while the randomiser runs
void runEditorCommand(EditorCommand command);
