// Reads one control of a visible top-level window for the end-to-end tests:
//   window_probe.exe TITLE ID
// finds a visible window with the title TITLE that has a child control with
// the id ID, and prints the control's centre in screen coordinates ("x y") on
// the first line and the control's text, as UTF-8, after it. Exit code 1 when
// no such window is shown.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    int id;
    HWND control;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM data) {
    Search& search = *reinterpret_cast<Search*>(data);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (!IsWindowVisible(window) || wcscmp(title, search.title) != 0) return TRUE;
    search.control = GetDlgItem(window, search.id);
    return search.control == nullptr;  // stops at the first match
}

// The control's text as its owner holds it: WM_GETTEXT reaches controls of
// other processes, where GetWindowTextW would not.
std::string controlText(HWND control) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(length + 1, L'\0');
    SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                        2000, &length);
    text.resize(length);
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                         &bytes[0], static_cast<int>(bytes.size()), nullptr,
                                                         nullptr)));
    return bytes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: window_probe TITLE ID\n", stderr);
        return 2;
    }
    Search search = {argv[1], _wtoi(argv[2]), nullptr};
    EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    if (search.control == nullptr) return 1;
    RECT place = {};
    GetWindowRect(search.control, &place);
    _setmode(_fileno(stdout), _O_BINARY);  // the text's line ends as they are
    std::printf("%ld %ld\n", (place.left + place.right) / 2, (place.top + place.bottom) / 2);
    const std::string text = controlText(search.control);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
