// A stand-in for the game's chat input in the end-to-end tests: a small
// window at a fixed place that records every character typed into it, and
// every Enter press, to the file named on its command line. Enter is written
// as a carriage return, after a "^" when Ctrl was held down and after a "#"
// when it came without its scan code (which games that read scan codes miss).
#include <windows.h>

#include <cstdio>

namespace {

FILE* g_record = nullptr;
bool g_enterWithCtrl = false;  // Ctrl+Enter also sends a line-feed character

void record(const char* text) {
    std::fputs(text, g_record);
    std::fflush(g_record);
}

LRESULT CALLBACK chatProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                g_enterWithCtrl = GetKeyState(VK_CONTROL) < 0;
                if (g_enterWithCtrl) record("^");
                if (((lParam >> 16) & 0xFF) == 0) record("#");
                record("\r");
            }
            return 0;
        case WM_CHAR: {
            const wchar_t unit = static_cast<wchar_t>(wParam);
            if (unit == L'\r' || (unit == L'\n' && g_enterWithCtrl)) return 0;
            const char byte[2] = {unit > 255 ? '?' : static_cast<char>(unit), 0};
            record(byte);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetForegroundWindow(window);
            SetFocus(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    g_record = _wfopen(commandLine[0] != 0 ? commandLine : L"chat.txt", L"ab");
    if (g_record == nullptr) return 1;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = chatProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = L"BrenlowChatRecorder";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"BrenlowChatRecorder", L"Chat Recorder",
                                  WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 10, 10, 300, 150, nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return 1;
    SetForegroundWindow(window);
    SetFocus(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    std::fclose(g_record);
    return 0;
}
