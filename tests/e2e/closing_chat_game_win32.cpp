// A stand-in for a game whose chat closes after each message, for the
// end-to-end tests:
//   closing_chat_game.exe CHATFILE COMMANDFILE [TIMEFILE]
// a small window at a fixed place (like the chat recorder's). Its chat starts
// closed; Enter opens it, and Enter in the open chat sends the line typed
// since (written to CHATFILE followed by a carriage return, an empty line as
// the carriage return alone) and closes the chat again. Characters typed
// while the chat is closed are game commands: each is written at once to
// COMMANDFILE. Both files get UTF-8. TIMEFILE, when given, gets one line for
// each Enter that opens the chat: the time the key press was made, in
// milliseconds (the message time), so that the starts of messages can be
// measured without the lag of anyone who reads the files.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "common/text_convert.h"
#include "stand_in_window_win32.h"

namespace {

FILE* g_chat = nullptr;
FILE* g_commands = nullptr;
FILE* g_times = nullptr;
bool g_chatOpen = false;
std::wstring g_line;           // typed into the open chat so far
bool g_enterWithCtrl = false;  // Ctrl+Enter also sends a line-feed character
wchar_t g_highSurrogate = 0;   // the first unit of a command pair, until its second arrives

void record(FILE* file, const std::wstring& text) {
    std::fputs(toUtf8(text).c_str(), file);
    std::fflush(file);
}

void enter(HWND window) {
    if (g_chatOpen) record(g_chat, g_line + L"\r");
    if (!g_chatOpen && g_times != nullptr) record(g_times, std::to_wstring(GetMessageTime()) + L"\n");
    g_line.clear();
    g_chatOpen = !g_chatOpen;
    InvalidateRect(window, nullptr, TRUE);
}

void character(wchar_t unit) {
    if (g_chatOpen) {
        g_line.push_back(unit);
        return;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        g_highSurrogate = unit;
        return;
    }
    std::wstring command;
    if (g_highSurrogate != 0) command.push_back(g_highSurrogate);
    command.push_back(unit);
    g_highSurrogate = 0;
    record(g_commands, command);
}

void paintState(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const wchar_t* text = g_chatOpen ? L"chat open" : L"chat closed";
    TextOutW(dc, 8, 6, text, static_cast<int>(std::wcslen(text)));
    EndPaint(window, &paint);
}

LRESULT CALLBACK gameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                g_enterWithCtrl = GetKeyState(VK_CONTROL) < 0;
                enter(window);
            }
            return 0;
        case WM_CHAR: {
            const wchar_t unit = static_cast<wchar_t>(wParam);
            if (unit == L'\r' || (unit == L'\n' && g_enterWithCtrl)) return 0;
            character(unit);
            return 0;
        }
        case WM_PAINT: paintState(window); return 0;
    }
    if (handleStandInMessage(window, message)) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argumentCount = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &argumentCount);
    if (arguments == nullptr || argumentCount < 3) return 1;
    g_chat = _wfopen(arguments[1], L"ab");
    g_commands = _wfopen(arguments[2], L"ab");
    const bool timesWanted = argumentCount > 3;
    if (timesWanted) g_times = _wfopen(arguments[3], L"ab");
    LocalFree(arguments);
    if (g_chat == nullptr || g_commands == nullptr || (timesWanted && g_times == nullptr)) return 1;
    if (showStandIn(instance, L"BrenlowClosingChatGame", L"Closing Chat Game", gameProc) == nullptr) return 1;
    runStandIn();
    std::fclose(g_chat);
    std::fclose(g_commands);
    if (g_times != nullptr) std::fclose(g_times);
    return 0;
}
