// Lists shown windows for the end-to-end tests:
//   window_list.exe
// prints one line per visible top-level window, front to back, its fields
// parted by tabs: "F" for the foreground window and "-" for the others; its
// place "left top right bottom" in screen coordinates; its class; its text
// as UTF-8, with line breaks as blanks. The text is what WM_GETTEXT
// answers, so a tooltip or a tray balloon shows the tip it holds.
//   window_list.exe TITLE
// prints the same for the child controls of the shown window titled TITLE,
// with the control's id in the first field. Exit code 1 when no such window
// is shown.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                         &bytes[0], static_cast<int>(bytes.size()), nullptr,
                                                         nullptr)));
    return bytes;
}

// The window's text as its owner holds it: WM_GETTEXT reaches windows of
// other processes.
std::wstring windowText(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(length + 1, L'\0');
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                        2000, &length);
    text.resize(length);
    for (wchar_t& c : text) {
        if (c == L'\r' || c == L'\n' || c == L'\t') c = L' ';
    }
    return text;
}

void printWindow(HWND window, const std::string& mark) {
    RECT place = {};
    GetWindowRect(window, &place);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    std::printf("%s\t%ld %ld %ld %ld\t%s\t%s\n", mark.c_str(), place.left, place.top, place.right, place.bottom,
                utf8(className).c_str(), utf8(windowText(window)).c_str());
}

BOOL CALLBACK printTopLevel(HWND window, LPARAM) {
    if (IsWindowVisible(window)) printWindow(window, window == GetForegroundWindow() ? "F" : "-");
    return TRUE;
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
    printWindow(control, std::to_string(GetDlgCtrlID(control)));
    return TRUE;
}

struct Search {
    const wchar_t* title;
    HWND window;
};

BOOL CALLBACK findWindow(HWND window, LPARAM data) {
    Search& search = *reinterpret_cast<Search*>(data);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (!IsWindowVisible(window) || wcscmp(title, search.title) != 0) return TRUE;
    search.window = window;
    return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) {
        EnumWindows(printTopLevel, 0);
        return 0;
    }
    Search search = {argv[1], nullptr};
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    if (search.window == nullptr) return 1;
    EnumChildWindows(search.window, printControl, 0);
    return 0;
}
