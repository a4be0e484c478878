#pragma once
// What the files of the editor's Windows shell share: the editor's state, the
// bridge the portable code calls back through, and the operations each file
// offers the others. Each file keeps the handles of the windows it owns in
// one plain struct of its own.
#include <windows.h>

#include "editor/editor_hotkeys.h"
#include "editor/editor_shell.h"
#include "editor/editor_state.h"
#include "win32/control_table_win32.h"

extern EditorState g_editor;  // PlayerData.txt in memory, capture indexes, input mode

// Posted by the keyboard hook to the main window; wParam holds the
// EditorCommand to run.
constexpr UINT kHotkeyMessage = WM_APP + 1;

// The error box text when a window or one of its labels cannot be made.
constexpr const wchar_t* kNoLabel = L"Could not create text label.";

// The ids of the shared window's controls that its procedure handles: the
// input window's button, and the rule text window's buttons and text box.
constexpr int kEnterDataId = 113;
constexpr int kLoadId = 124;
constexpr int kSaveId = 125;
constexpr int kRuleTextBoxId = 126;


// rostrix_main_win32.cpp
EditorShell& editorShell();  // error box owned by the main window, live display text

// main_window_win32.cpp
extern const wchar_t* const kSharedWindowClass;
extern const wchar_t* const kLiveDisplayClass;
bool registerWindowClasses(HINSTANCE instance, const wchar_t* mainClassName);
bool createMainWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title);
HWND mainWindow();
const wchar_t* programTitle();
int screenWidth();
int screenHeight();
bool loadSplashPicture();
void showSplash();
bool startSplashTimer();
void releaseSplash();  // stops the timer and frees the picture, when they still exist
bool addRostrixTrayIcon();
bool removeRostrixTrayIcon();
void showTrayNote(const wchar_t* text);  // a balloon at the tray icon, which takes no focus
void releaseFont(HFONT& font, const char* failureLine);

// live_display_win32.cpp
LRESULT CALLBACK liveDisplayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool createLiveDisplay(HINSTANCE instance);
void setLiveDisplayText(const wchar_t* text);
void showLiveDisplay();
void hideLiveDisplay();
void destroyLiveDisplay();
void releaseDisplayFonts();

// shared_window_win32.cpp
LRESULT CALLBACK sharedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HWND sharedWindow();
void closeSharedWindow();
// Destroys the open shared window and makes a new one, hidden; with x
// CW_USEDEFAULT the system chooses the left edge and the top edge is 0.
bool createSharedWindow(int x, int y, int width, int height, bool scrolling);
bool addControls(const ControlSpec* specs, size_t count);
void setHeadingFont(int id);
void presentSharedWindow();
bool loadRuleTextBackground();
void releaseSharedWindow();  // at shutdown: the window and the background brush
void releaseHeadingFont();

// input_windows_win32.cpp
bool openInputWindow();
bool openRuleTextWindow();
void focusFirstField();
void onEnterData();
void onLoadRuleText();
void onSaveRuleText();

// info_windows_win32.cpp
bool openTooltipWindow();
bool openCreditsWindow();

// hotkeys_win32.cpp
bool installKeyboardHook();
void queueEditorCommand(EditorCommand command);  // runs it once the pending keyboard input is handled
void runEditorCommand(EditorCommand command);
