// Reads one control of a visible top-level window for the end-to-end tests:
//   window_probe.exe TITLE ID
// finds a visible window with the title TITLE that has a child control with
// the id ID, and prints the control's centre in screen coordinates ("x y") on
// the first line and the control's text, as UTF-8, after it. Exit code 1 when
// no such window is shown.
//   window_probe.exe --set TITLE ID TEXT
// sets the text of that control to TEXT (WM_SETTEXT, as a paste would fill
// an empty field); exit code 1 when no such control is shown or it refused.
//   window_probe.exe --foreground
// prints the title of the foreground window (empty when there is none).
//   window_probe.exe --class CLASS
// prints the centre of a visible top-level window of the window class CLASS
// (a popup menu is "#32768") on the first line and its width and height on
// the second; exit code 1 when none is shown.
//   window_probe.exe --close CLASS
//   window_probe.exe --command CLASS ID
// post to that window the close command that Alt+F4 gives a window with the
// focus, or the menu command ID; exit code 1 when no such window is shown.
//   window_probe.exe --list
// prints one line per visible top-level window, front to back, its fields
// parted by tabs: its place "left top right bottom" in screen coordinates,
// its class and its text with line breaks as blanks (a tooltip or a tray
// balloon answers with the tip it shows).
//   window_probe.exe --list TITLE
// prints the same for the child controls of the shown window titled TITLE,
// each line led by the control's id and a tab; exit code 1 when no such
// window is shown.
//   window_probe.exe --fit TITLE
// prints for each child control of the shown window titled TITLE, one a line
// parted by tabs: its id, its class, its client size "width height" and the
// size "width height" its text takes in the system font, wrapped at the
// client width as a label wraps it (a word wider than the control makes the
// text wider). A control's own font cannot be read from another program, so
// the size says nothing of a control that has one. Exit code 1 when no such
// window is shown.
//   window_probe.exe --desktop
// exit code 0 when this process can make a window: Wine's desktop is open
// with its display driver. Asking for the desktop starts Wine's explorer
// when there is none, and a process whose explorer did not get ready in time
// has no display driver for good: it is asked as a process of its own.
//   window_probe.exe --serve
// answers probes read from its standard input until it ends, so that a test
// starts one Wine process for all its probes: each probe is a line with the
// count of its arguments and then each argument in UTF-8, ended by a zero
// byte; each answer a line with the exit code and the size in bytes of the
// output, and then the output.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// What the probe prints: written out at its end, or sent as an answer.
std::string g_output;

std::string utf8Of(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                         &bytes[0], static_cast<int>(bytes.size()), nullptr, nullptr)));
    return bytes;
}

// Numbers parted by blanks.
std::string numbersText(std::initializer_list<long> numbers) {
    std::string text;
    for (long number : numbers) text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
}

struct Search {
    const wchar_t* title;
    int id;
    HWND control;
};

struct ClassSearch {
    const wchar_t* class_name;
    HWND window;
};

BOOL CALLBACK checkClass(HWND window, LPARAM data) {
    ClassSearch& search = *reinterpret_cast<ClassSearch*>(data);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    if (!IsWindowVisible(window) || wcscmp(className, search.class_name) != 0) return TRUE;
    search.window = window;
    return FALSE;
}

// A visible top-level window of the class, or null.
HWND shownWindowOfClass(const wchar_t* className) {
    ClassSearch search = {className, nullptr};
    EnumWindows(checkClass, reinterpret_cast<LPARAM>(&search));
    return search.window;
}

void printCentre(HWND window) {
    RECT place = {};
    GetWindowRect(window, &place);
    g_output += numbersText({(place.left + place.right) / 2, (place.top + place.bottom) / 2}) + '\n';
}

BOOL CALLBACK checkWindow(HWND window, LPARAM data) {
    Search& search = *reinterpret_cast<Search*>(data);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (!IsWindowVisible(window) || wcscmp(title, search.title) != 0) return TRUE;
    search.control = GetDlgItem(window, search.id);
    return search.control == nullptr;  // stops at the first match
}

// The window's text as its owner holds it: WM_GETTEXT reaches windows of
// other processes, where GetWindowTextW would not.
std::string windowText(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(length + 1, L'\0');
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 2000,
                        &length);
    text.resize(length);
    return utf8Of(text);
}

// The window's place, class and text, parted by tabs, on one line.
void printListed(HWND window) {
    RECT place = {};
    GetWindowRect(window, &place);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    std::string text = windowText(window);
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    }
    g_output +=
        numbersText({place.left, place.top, place.right, place.bottom}) + '\t' + utf8Of(className) + '\t' + text + '\n';
}

BOOL CALLBACK listTopLevel(HWND window, LPARAM) {
    if (IsWindowVisible(window)) printListed(window);
    return TRUE;
}

BOOL CALLBACK listControl(HWND control, LPARAM) {
    g_output += std::to_string(GetDlgCtrlID(control)) + '\t';
    printListed(control);
    return TRUE;
}

// The size the control's text takes at its client width in the system font.
SIZE textSize(HWND control, const RECT& client) {
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    const std::string bytes = windowText(control);
    std::wstring text(bytes.size() + 1, L'\0');
    text.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                        &text[0], static_cast<int>(text.size()))));
    RECT room = {0, 0, client.right, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &room, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {room.right - room.left, room.bottom - room.top};
}

BOOL CALLBACK printFit(HWND control, LPARAM) {
    RECT client = {};
    GetClientRect(control, &client);
    wchar_t className[256] = {};
    GetClassNameW(control, className, 256);
    const SIZE needed = textSize(control, client);
    g_output += std::to_string(GetDlgCtrlID(control)) + '\t' + utf8Of(className) + '\t' +
                numbersText({client.right, client.bottom}) + '\t' + numbersText({needed.cx, needed.cy}) + '\n';
    return TRUE;
}

struct TitleSearch {
    const wchar_t* title;
    HWND window;
};

BOOL CALLBACK checkTitle(HWND window, LPARAM data) {
    TitleSearch& search = *reinterpret_cast<TitleSearch*>(data);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (!IsWindowVisible(window) || wcscmp(title, search.title) != 0) return TRUE;
    search.window = window;
    return FALSE;
}

// One probe of the command line's arguments: its output in g_output, its
// exit code returned.
int probe(int argc, wchar_t** argv) {
    if (argc == 2 && wcscmp(argv[1], L"--foreground") == 0) {
        HWND foreground = GetForegroundWindow();
        if (foreground != nullptr) g_output += windowText(foreground);
        return 0;
    }
    HWND shown = argc >= 3 ? shownWindowOfClass(argv[2]) : nullptr;
    if (argc == 3 && wcscmp(argv[1], L"--close") == 0)
        return shown != nullptr && PostMessageW(shown, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    if (argc == 4 && wcscmp(argv[1], L"--command") == 0)
        return shown != nullptr && PostMessageW(shown, WM_COMMAND, static_cast<WPARAM>(_wtoi(argv[3])), 0) ? 0 : 1;
    if (argc == 3 && wcscmp(argv[1], L"--class") == 0) {
        if (shown == nullptr) return 1;
        printCentre(shown);
        RECT place = {};
        GetWindowRect(shown, &place);
        g_output += numbersText({place.right - place.left, place.bottom - place.top}) + '\n';
        return 0;
    }
    if (argc == 2 && wcscmp(argv[1], L"--list") == 0) {
        EnumWindows(listTopLevel, 0);
        return 0;
    }
    if (argc == 3 && wcscmp(argv[1], L"--list") == 0) {
        TitleSearch search = {argv[2], nullptr};
        EnumWindows(checkTitle, reinterpret_cast<LPARAM>(&search));
        if (search.window == nullptr) return 1;
        EnumChildWindows(search.window, listControl, 0);
        return 0;
    }
    if (argc == 3 && wcscmp(argv[1], L"--fit") == 0) {
        TitleSearch search = {argv[2], nullptr};
        EnumWindows(checkTitle, reinterpret_cast<LPARAM>(&search));
        if (search.window == nullptr) return 1;
        EnumChildWindows(search.window, printFit, 0);
        return 0;
    }
    if (argc == 5 && wcscmp(argv[1], L"--set") == 0) {
        Search search = {argv[2], _wtoi(argv[3]), nullptr};
        EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
        DWORD_PTR set = FALSE;
        return search.control != nullptr &&
                       SendMessageTimeoutW(search.control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]),
                                           SMTO_ABORTIFHUNG, 2000, &set) != 0 &&
                       set == TRUE
                   ? 0
                   : 1;
    }
    if (argc != 3) {
        std::fputs(
            "usage: window_probe TITLE ID | --set TITLE ID TEXT | --foreground | --class CLASS | --close CLASS | "
            "--command CLASS ID | "
            "--list [TITLE] | --fit TITLE | --serve\n",
            stderr);
        return 2;
    }
    Search search = {argv[1], _wtoi(argv[2]), nullptr};
    EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    if (search.control == nullptr) return 1;
    printCentre(search.control);
    g_output += windowText(search.control);
    return 0;
}

// Reads the arguments of one probe from the standard input (see --serve
// above); false once the input has ended.
bool readProbe(std::vector<std::wstring>& arguments) {
    int count = 0;
    if (std::scanf("%d", &count) != 1 || std::getchar() != '\n') return false;
    arguments.assign(1, L"window_probe.exe");
    for (int i = 0; i < count; ++i) {
        std::string bytes;
        int c;
        while ((c = std::getchar()) != 0) {
            if (c == EOF) return false;
            bytes += static_cast<char>(c);
        }
        std::wstring text(bytes.size() + 1, L'\0');
        text.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                            &text[0], static_cast<int>(text.size()))));
        arguments.push_back(text);
    }
    return true;
}

// Answers probes until the standard input ends.
int serve() {
    std::vector<std::wstring> arguments;
    while (readProbe(arguments)) {
        std::vector<wchar_t*> argv;
        for (std::wstring& argument : arguments) argv.push_back(&argument[0]);
        argv.push_back(nullptr);
        g_output.clear();
        const int code = probe(static_cast<int>(arguments.size()), argv.data());
        const std::string answer = std::to_string(code) + ' ' + std::to_string(g_output.size()) + '\n' + g_output;
        std::fwrite(answer.data(), 1, answer.size(), stdout);
        std::fflush(stdout);
    }
    return 0;
}

// Whether this process can make a window (see --desktop above).
int desktopReady() {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr) return 1;
    DestroyWindow(window);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // the text's line ends as they are
    _setmode(_fileno(stdin), _O_BINARY);
    if (argc == 2 && wcscmp(argv[1], L"--serve") == 0) return serve();
    if (argc == 2 && wcscmp(argv[1], L"--desktop") == 0) return desktopReady();
    const int code = probe(argc, argv);
    std::fwrite(g_output.data(), 1, g_output.size(), stdout);
    return code;
}
