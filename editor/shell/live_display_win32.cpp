// The live display: a window that always shows PlayerData.txt as the editor
// holds it. It is made hidden at start and lives until the program ends;
// minimising or closing it only hides it.
#include "common/debug_log.h"
#include "win32/window_helpers_win32.h"
#include "editor/player_data.h"
#include "editor/shell/rostrix_shell_win32.h"

namespace {

constexpr int kHeadingId = 119;
constexpr int kContentsId = 120;
constexpr COLORREF kHeadingColour = RGB(255, 0, 0);

const ControlSpec kHeading = {L"static", L"Active Mod Display", SS_CENTER, kHeadingId, 50, 10, 400, 60, kNoLabel};
const ControlSpec kContents = {L"static", L"", SS_LEFT, kContentsId, 50, 80, 400, 250, kNoLabel};

HWND g_display = nullptr;
HWND g_heading = nullptr;
HWND g_contents = nullptr;
HFONT g_codeFont = nullptr;
HFONT g_titleFont = nullptr;

void setFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

}  // namespace

LRESULT CALLBACK liveDisplayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            if (hideOnCloseOrMinimise(window, wParam)) return 0;
            break;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, TRANSPARENT);
            if (reinterpret_cast<HWND>(lParam) == g_heading) SetTextColor(dc, kHeadingColour);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool createLiveDisplay(HINSTANCE instance) {
    g_codeFont = createBoldFont(L"Courier New", 11, ANTIALIASED_QUALITY);
    g_titleFont = createBoldFont(L"Century Gothic", 24, ANTIALIASED_QUALITY);
    g_display = CreateWindowExW(0, kLiveDisplayClass, L"Rostrix Feedback", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, 500,
                                400, nullptr, nullptr, instance, nullptr);
    if (g_display == nullptr) {
        debugLog("Could not create the live display window");
        editorShell().showErrorBox(L"Could not create Modification Window.");
        return false;
    }
    g_heading = createControl(g_display, kHeading);
    g_contents = createControl(g_display, kContents);
    if (g_heading == nullptr || g_contents == nullptr) {
        debugLog("Could not create the labels of the live display");
        editorShell().showErrorBox(kNoLabel);
        return false;
    }
    setFont(g_heading, g_titleFont);
    setFont(g_contents, g_codeFont);
    refreshDisplay(g_editor, editorShell());
    return true;
}

void setLiveDisplayText(const wchar_t* text) { SetWindowTextW(g_contents, text); }

void showLiveDisplay() {
    ShowWindow(g_display, SW_SHOW);
    SetForegroundWindow(g_display);
}

void hideLiveDisplay() { ShowWindow(g_display, SW_HIDE); }

void destroyLiveDisplay() {
    if (g_display != nullptr) DestroyWindow(g_display);
    g_display = nullptr;
    g_heading = nullptr;
    g_contents = nullptr;
}

void releaseDisplayFonts() {
    releaseFont(g_codeFont, "Failed to delete the font code object - currently in use?");
    releaseFont(g_titleFont, "Failed to delete the font code object - currently in use?");
}
