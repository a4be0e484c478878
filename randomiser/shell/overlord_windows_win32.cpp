// The overlord windows, one at a time: the rule selection window, the tooltip
// window with its chat example, and the credits window. They share one class
// and one window procedure, which scrolls them and paints the picture.
#include <string>

#include "common/debug_log.h"
#include "win32/scroll_bar_win32.h"
#include "common/version.h"
#include "win32/window_helpers_win32.h"
#include "randomiser/output/rule_selection.h"
#include "randomiser/shell/shell_win32.h"

const wchar_t* const kOverlordClass = L"Brenlow Overlord";
const wchar_t* const kProgramTitle = L"Dastrel's, Brenlow: Sortilane";

namespace {

constexpr int kSubmitId = 256;
const wchar_t* const kChatExamplePath = L"./Images/chat_example.bmp";
const wchar_t* const kNoLabel = L"Could not create text label.";
const wchar_t* const kNoInput = L"Could not create text input.";

struct CreditEntry {
    wchar_t name[80];
    wchar_t text[200];
};

const CreditEntry credit_entries[2] = {
    {L"Programming", L"The Brenlow team: the randomiser, its allocation of teams and civilisations, "
                     L"and the chat typing that brings the result to every player."},
    {L"Artwork and testing", L"The Brenlow team, with thanks to the hosts and players of the weekly "
                             L"matches whose reports and rule sets shaped this version."},
};

const wchar_t* const kTooltipLines[15] = {
    L"Press Ctrl+1 to write result to active text caret",
    L"Press Ctrl+2 to print rules to chat",
    L"Press Ctrl+3 to reprint map selection to chat",
    L"Press Ctrl+4 to display rule selection screen",
    L"Press Ctrl+5 to randomly select a rule and print selection to chat",
    L"Press Ctrl+6 to randomly select a map and print selection to chat",
    L"Press Ctrl+7 to display tooltips",
    L"Press Ctrl+8 to randomly coin a 50/50 value, prints either \"Heads\" or \"Tails\" to chat",
    L"Press Ctrl+9 to do nothing and exit the program",
    L"You can change the program's operation by editing the .bat files. The accompanying 'Guide.odt' file "
    L"contains lots of useful information",
    L"'Reshape' works gradually (but will leave major gap players with lowest and highest tier'd civs "
    L"respectively)",
    L"'Reflective' mirrors the opponents civs and 'repeat' enables the chance of a civ being repeated by an enemy",
    L"'Team_Random' gives the same civ to your allies and should mirror the opponents' civ tier (Islanders vs "
    L"Mountaineers, for example)",
    L"Theres a load of civ tier range limiting options - my personal favorite is 'Single_Tier' which also allows "
    L"for repeated civs",
    L"If any of the information from the command line passed is invalid then the program will shutdown, however "
    L"the program will also shutdown from other types of invalid input",
};

struct OverlordState {
    HWND window = nullptr;
    HWND credits_heading = nullptr;  // drawn in red
    HWND rule_entry = nullptr;
    HWND rule_result = nullptr;
    HFONT title_font = nullptr;
    int line_height = 1;
    MemoryPicture picture = {};  // the chat example of the tooltip window
};

OverlordState g_overlord;

bool loadPicture() {
    if (g_overlord.picture.dc != nullptr) return true;
    return loadMemoryPicture(g_overlord.picture, kChatExamplePath, nullptr, nullptr);
}

// Creates the overlord window of the given size, replacing any open one.
bool createOverlordWindow(int width, int height) {
    if (g_overlord.window != nullptr) closeOverlordWindow();
    g_overlord.window = nullptr;
    g_overlord.credits_heading = nullptr;
    g_overlord.rule_entry = nullptr;
    g_overlord.rule_result = nullptr;
    g_overlord.window = CreateWindowExW(0, kOverlordClass, kProgramTitle, WS_OVERLAPPEDWINDOW, screenWidth() / 3,
                                        screenHeight() / 3, width, height, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    if (g_overlord.window == nullptr) {
        showError(L"Could not create overlord window.");
        return false;
    }
    return true;
}

HWND createControl(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width, int height,
                   int id) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, g_overlord.window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void setTitleFont(HWND label) {
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(g_overlord.title_font), TRUE);
}

void showOverlordWindow() {
    SetForegroundWindow(g_overlord.window);
    UpdateWindow(g_overlord.window);
    ShowWindow(g_overlord.window, SW_SHOW);
}

void onCreate(HWND window) {
    g_overlord.line_height = systemLineHeight(window);
    HFONT made = createBoldFont(L"Arial", 24, DEFAULT_QUALITY);
    if (made != nullptr) {
        if (g_overlord.title_font != nullptr) DeleteObject(g_overlord.title_font);
        g_overlord.title_font = made;
    }
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const int y = 70 - GetScrollPos(window, SB_VERT) * g_overlord.line_height;
    if (!drawMemoryPicture(dc, 20, y, g_overlord.picture)) PostQuitMessage(0);
    EndPaint(window, &paint);
}

void submitRuleEntryFromWindow() {
    wchar_t entry[kRuleEntryUnits] = {};
    GetWindowTextW(g_overlord.rule_entry, entry, static_cast<int>(kRuleEntryUnits));
    wchar_t result[kRuleEntryUnits] = {};
    if (submitRuleEntry(g_randomiser, entry, result)) SetWindowTextW(g_overlord.rule_result, result);
}

}  // namespace

LRESULT CALLBACK overlordWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            onCreate(window);
            return 0;
        case WM_SIZE:
            setScrollPage(window, HIWORD(lParam), g_overlord.line_height);
            return 0;
        case WM_VSCROLL:
            scrollByRequest(window, LOWORD(wParam), g_overlord.line_height);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_PAINT:
            onPaint(window);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kSubmitId) {
                submitRuleEntryFromWindow();
                return 0;
            }
            if (LOWORD(wParam) == kCloseCommand) {
                DestroyWindow(window);
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == g_overlord.credits_heading && g_overlord.credits_heading != nullptr)
                SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 0, 0));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        case WM_SYSCOMMAND:
            if (hideOnCloseOrMinimise(window, wParam)) return 0;
            break;
        case WM_DESTROY:
            if (window == g_overlord.window) g_overlord.window = nullptr;
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND overlordWindow() { return g_overlord.window; }

void closeOverlordWindow() {
    releaseMemoryPicture(g_overlord.picture);
    releaseSplashPicture();
    if (g_overlord.window != nullptr) DestroyWindow(g_overlord.window);
    g_overlord.window = nullptr;
}

void releaseOverlordState() {
    releaseMemoryPicture(g_overlord.picture);
    if (g_overlord.window != nullptr) DestroyWindow(g_overlord.window);
    g_overlord.window = nullptr;
    if (g_overlord.title_font != nullptr && !DeleteObject(g_overlord.title_font))
        debugLog("Failed to delete the font title object - currently in use?");
    g_overlord.title_font = nullptr;
}

bool openRuleSelection() {
    if (!createOverlordWindow(600, 400)) return false;
    HWND title = createControl(L"static", L"Rule Selection", SS_CENTER, 50, 20, 400, 60, 253);
    if (title == nullptr) {
        showError(L"Could not create text title.");
        return false;
    }
    setTitleFont(title);
    const std::wstring prompt = rulePrompt(static_cast<int>(g_randomiser.game.rule_table.size()));
    if (createControl(L"static", prompt.c_str(), 0, 50, 80, 400, 40, 254) == nullptr) {
        showError(kNoLabel);
        return false;
    }
    g_overlord.rule_entry = createControl(L"EDIT", L"", WS_BORDER | WS_GROUP | WS_TABSTOP, 50, 140, 400, 40, 255);
    HWND submit = g_overlord.rule_entry == nullptr
                      ? nullptr
                      : createControl(L"button", L"Submit", WS_GROUP | WS_TABSTOP, 150, 200, 200, 40, kSubmitId);
    g_overlord.rule_result = submit == nullptr ? nullptr : createControl(L"static", L"", 0, 50, 260, 400, 40, 257);
    if (g_overlord.rule_result == nullptr) {
        showError(kNoInput);
        return false;
    }
    showOverlordWindow();
    return true;
}

bool openTooltipWindow() {
    if (!createOverlordWindow(550, 400)) return false;
    HWND heading = createControl(L"static", L"Rostrix Tooltips", SS_CENTER, 50, 10, 400, 60, 260);
    if (heading == nullptr) {
        showError(kNoLabel);
        return false;
    }
    setTitleFont(heading);
    if (!loadPicture()) return false;
    for (int k = 0; k < 15; ++k) {
        if (createControl(L"static", kTooltipLines[k], SS_LEFT, 50, 280 + 48 * k, 400, 48, 261 + k) == nullptr) {
            showError(kNoLabel);
            return false;
        }
    }
    showOverlordWindow();
    return true;
}

bool openCreditsWindow() {
    if (!createOverlordWindow(600, 400)) return false;
    g_overlord.credits_heading = createControl(L"static", L"Credits", SS_CENTER, 50, 20, 500, 60, 251);
    if (g_overlord.credits_heading == nullptr) {
        showErrorWithIcon(kNoLabel);
        return false;
    }
    setTitleFont(g_overlord.credits_heading);
    const std::wstring version =
        std::wstring(kProgramTitle) + L" - Version " + kVersionText + L"\nBuilt and maintained by Brenlow";
    if (createControl(L"static", version.c_str(), SS_LEFT, 50, 100, 500, 60, 252) == nullptr) {
        showError(kNoLabel);
        return false;
    }
    for (int e = 0; e < 2; ++e) {
        if (createControl(L"static", credit_entries[e].name, SS_CENTER | WS_BORDER, 50, 180 + 262 * e, 500, 40,
                          2000 + 4 * e) == nullptr ||
            createControl(L"static", credit_entries[e].text, SS_LEFT | WS_BORDER, 50, 222 + 262 * e, 500, 200,
                          2500 + 4 * e) == nullptr) {
            showError(kNoLabel);
            return false;
        }
    }
    showOverlordWindow();
    return true;
}
