#pragma once
#include <cstddef>
#include <string>

// Byte text and wide text convert one byte to one code unit (0..255) and back,
// as the Windows runtime does in its default locale. A code unit above 255 that
// has to become a byte becomes '?'.

wchar_t byteToWide(char c);
char wideToByte(wchar_t c);

// Converts the zero-terminated bytes of src into dst (capacity dstUnits, at
// least 1); stops at dstUnits - 1 units and always terminates.
void bytesToWide(wchar_t* dst, size_t dstUnits, const char* src);

// Converts the zero-terminated wide string src into dst (capacity dstBytes, at
// least 1); stops at dstBytes - 1 bytes and always terminates.
void wideToBytes(char* dst, size_t dstBytes, const wchar_t* src);

std::string toByteString(const std::wstring& text);
std::wstring toWideString(const std::string& text);
