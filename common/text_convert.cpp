#include "common/text_convert.h"

wchar_t byteToWide(char c) { return static_cast<wchar_t>(static_cast<unsigned char>(c)); }

char wideToByte(wchar_t c) {
    unsigned long unit = static_cast<unsigned long>(c);
    return unit > 255 ? '?' : static_cast<char>(static_cast<unsigned char>(unit));
}

void bytesToWide(wchar_t* dst, size_t dstUnits, const char* src) {
    size_t i = 0;
    for (; i + 1 < dstUnits && src[i] != '\0'; ++i) dst[i] = byteToWide(src[i]);
    dst[i] = L'\0';
}

void wideToBytes(char* dst, size_t dstBytes, const wchar_t* src) {
    size_t i = 0;
    for (; i + 1 < dstBytes && src[i] != L'\0'; ++i) dst[i] = wideToByte(src[i]);
    dst[i] = '\0';
}

std::string toByteString(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) out.push_back(wideToByte(c));
    return out;
}

std::wstring toWideString(const std::string& text) {
    std::wstring out;
    out.reserve(text.size());
    for (char c : text) out.push_back(byteToWide(c));
    return out;
}
