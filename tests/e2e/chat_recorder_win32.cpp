// A stand-in for the game's chat input in the end-to-end tests: a small
// window at a fixed place that records every character typed into it, and
// every Enter press, to the file named on its command line. Characters are
// written in UTF-8 (a surrogate pair, typed as two units, as one character);
// Enter is written as a carriage return, after a "^" when Ctrl was held down
// and after a "#" when it came without its scan code (which games that read
// scan codes miss). Started with "--show " before the file name, it is a
// larger window that also shows what it got, line by line in a fixed-pitch
// font, for pictures of a report typed into a chat. Started with "--other "
// before the file name, it is another such window below the first, titled
// "Other Window", for the tests of a focus that moves while the randomiser
// types.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "common/text_convert.h"
#include "stand_in_window_win32.h"

namespace {

FILE* g_record = nullptr;
bool g_enterWithCtrl = false;  // Ctrl+Enter also sends a line-feed character
wchar_t g_highSurrogate = 0;   // the first unit of a pair, until its second arrives
std::wstring g_shown;          // what the window shows: the typed text, Enter as a line end
HFONT g_font = nullptr;

void record(const char* text) {
    std::fputs(text, g_record);
    std::fflush(g_record);
}

void show(HWND window, const std::wstring& text) {
    g_shown += text;
    InvalidateRect(window, nullptr, TRUE);
}

void paintShown(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    InflateRect(&area, -8, -6);
    HGDIOBJ oldFont = SelectObject(dc, g_font);
    DrawTextW(dc, g_shown.c_str(), static_cast<int>(g_shown.size()), &area, DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(window, &paint);
}

LRESULT CALLBACK chatProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                g_enterWithCtrl = GetKeyState(VK_CONTROL) < 0;
                if (g_enterWithCtrl) record("^");
                if (((lParam >> 16) & 0xFF) == 0) record("#");
                record("\r");
                show(window, L"\n");
            }
            return 0;
        case WM_CHAR: {
            const wchar_t unit = static_cast<wchar_t>(wParam);
            if (unit == L'\r' || (unit == L'\n' && g_enterWithCtrl)) return 0;
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                g_highSurrogate = unit;
                return 0;
            }
            std::wstring character;
            if (g_highSurrogate != 0) character.push_back(g_highSurrogate);
            character.push_back(unit);
            g_highSurrogate = 0;
            record(toUtf8(character).c_str());
            show(window, character);
            return 0;
        }
        case WM_PAINT:
            if (g_font == nullptr) break;
            paintShown(window);
            return 0;
    }
    if (handleStandInMessage(window, message)) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const wchar_t kShowFlag[] = L"--show ";
    const size_t kShowFlagLength = std::wcslen(kShowFlag);
    const bool showText = std::wcsncmp(commandLine, kShowFlag, kShowFlagLength) == 0;
    const wchar_t kOtherFlag[] = L"--other ";
    const size_t kOtherFlagLength = std::wcslen(kOtherFlag);
    const bool other = std::wcsncmp(commandLine, kOtherFlag, kOtherFlagLength) == 0;
    if (other) commandLine += kOtherFlagLength;
    if (showText) {
        commandLine += kShowFlagLength;
        g_font = CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
    }
    g_record = _wfopen(commandLine[0] != 0 ? commandLine : L"chat.txt", L"ab");
    if (g_record == nullptr) return 1;
    if (showStandIn(instance, L"BrenlowChatRecorder", other ? L"Other Window" : L"Chat Recorder", chatProc,
                    other ? 300 : 10, showText ? 620 : 300, showText ? 430 : 150) == nullptr)
        return 1;
    runStandIn();
    std::fclose(g_record);
    if (g_font != nullptr) DeleteObject(g_font);
    return 0;
}
