// A stand-in for a game whose chat is a console window, for the end-to-end
// tests:
//   console_reader.exe FILE
// a console program that reads lines from its console in the console's
// normal line mode, so that the console host turns the keys typed into its
// window into characters, until the console gives no more, and writes each
// line (without its line end) to FILE in UTF-8 followed by a carriage return.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/text_convert.h"

int wmain(int argumentCount, wchar_t** arguments) {
    FILE* record = _wfopen(argumentCount > 1 ? arguments[1] : L"console.txt", L"ab");
    if (record == nullptr) return 1;
    HANDLE console = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring line;
    wchar_t buffer[256];
    DWORD count = 0;
    while (ReadConsoleW(console, buffer, 256, &count, nullptr) && count > 0) {
        line.append(buffer, count);
        // A line longer than the buffer comes in several reads.
        if (line.back() != L'\n') continue;
        while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r')) line.pop_back();
        std::fputs((toUtf8(line) + "\r").c_str(), record);
        std::fflush(record);
        line.clear();
    }
    std::fclose(record);
    return 0;
}
