// Feeds arbitrary bytes to the text conversion and checks what every reader
// relies on: valid UTF-8 reads back to the same bytes, any text reads as
// whole characters, and the fixed-array forms stay in their arrays.
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>

#include "common/text_convert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = readFileText(bytes);
    const std::string written = toUtf8(text);
    if (detectEncoding(bytes.data(), bytes.size()) == TextEncoding::Utf8) {
        if (written != bytes.substr(byteOrderMarkLength(bytes))) __builtin_trap();
    } else if (text.size() != bytes.size()) {
        __builtin_trap();  // one byte, one character
    }
    if (detectEncoding(written.data(), written.size()) != TextEncoding::Utf8) __builtin_trap();
    if (charCount(text) > text.size()) __builtin_trap();

    const std::string zeroEnded = bytes.substr(0, std::strlen(bytes.c_str()));
    for (size_t units : {1, 2, 3, 16}) {
        wchar_t out[16];
        decodeText(out, units, zeroEnded.c_str(), detectEncoding(zeroEnded.c_str()), 15);
        const size_t length = std::wcslen(out);
        if (length >= units || charCount(out) > 15 || unitsOfChars(out, 15) != length) __builtin_trap();
        char narrow[16];
        toUtf8(narrow, units, out);
        if (std::strlen(narrow) >= units) __builtin_trap();
    }
    return 0;
}
