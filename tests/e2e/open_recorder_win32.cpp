// A stand-in for the program the system opens .html files with, for the
// end-to-end test of the editor's "Evening report": it appends its command
// line, in UTF-8, as one line to opened.txt in its working folder, and ends.
#include <windows.h>

#include <cstdio>

#include "common/text_convert.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    FILE* file = _wfopen(L"opened.txt", L"ab");
    if (file == nullptr) return 1;
    const std::string line = toUtf8(GetCommandLineW()) + "\n";
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
    return 0;
}
