#include "common/text_convert.h"

#include <cstring>
#include <type_traits>

namespace {

const char32_t kReplacement = U'?';

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

char32_t unitAt(const wchar_t* text, size_t i) {
    // wchar_t is signed on Linux; every value it can hold is taken as unsigned.
    return static_cast<char32_t>(static_cast<std::make_unsigned<wchar_t>::type>(text[i]));
}

// The character of the valid UTF-8 sequence at bytes[0], with its length in
// length; 0 when no valid sequence starts there.
char32_t utf8SequenceAt(const unsigned char* bytes, size_t size, size_t& length) {
    length = 0;
    if (size == 0) return 0;
    const unsigned char lead = bytes[0];
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    size_t count = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2;
        value = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3;
        value = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4;
        value = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (size < count) return 0;
    for (size_t i = 1; i < count; ++i) {
        if ((bytes[i] & 0xC0) != 0x80) return 0;
        value = (value << 6) | (bytes[i] & 0x3F);
    }
    // Overlong forms, surrogates and values beyond the last code point are
    // no UTF-8.
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    length = count;
    return value;
}

// The character at text[i] (a surrogate pair joined), with its unit count in
// units; a lone surrogate is returned as it stands.
char32_t charAt(const wchar_t* text, size_t i, size_t& units) {
    const char32_t unit = unitAt(text, i);
    units = 1;
    if (isHighSurrogate(unit) && isLowSurrogate(unitAt(text, i + 1))) {
        units = 2;
        return 0x10000 + ((unit - 0xD800) << 10) + (unitAt(text, i + 1) - 0xDC00);
    }
    return unit;
}

// The wide units of one character: two for a character beyond U+FFFF where
// wchar_t has 16 bits, one otherwise.
size_t wideUnits(char32_t c, wchar_t (&out)[2]) {
    if (sizeof(wchar_t) == 2 && c > 0xFFFF) {
        out[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        out[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        return 2;
    }
    out[0] = static_cast<wchar_t>(c);
    return 1;
}

// The character at bytes[0] in the encoding, its byte count in length (at
// least 1 when size > 0).
char32_t decodedCharAt(const char* bytes, size_t size, TextEncoding encoding, size_t& length) {
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes);
    if (encoding == TextEncoding::Utf8) {
        const char32_t c = utf8SequenceAt(data, size, length);
        if (length > 0) return c;
    }
    length = size > 0 ? 1 : 0;
    return size > 0 ? data[0] : 0;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

TextEncoding detectEncoding(const char* bytes, size_t size) {
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size;) {
        size_t length = 0;
        utf8SequenceAt(data + i, size - i, length);
        if (length == 0) return TextEncoding::Bytes;
        i += length;
    }
    return TextEncoding::Utf8;
}

TextEncoding detectEncoding(const char* text) { return detectEncoding(text, std::strlen(text)); }

size_t byteOrderMarkLength(const std::string& bytes) { return bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0; }

std::wstring readFileText(const std::string& fileBytes) {
    const TextEncoding encoding = detectEncoding(fileBytes.data(), fileBytes.size());
    const size_t start = encoding == TextEncoding::Utf8 ? byteOrderMarkLength(fileBytes) : 0;
    return decodeText(fileBytes.substr(start), encoding);
}

std::wstring decodeText(const std::string& bytes, TextEncoding encoding) {
    std::wstring out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        size_t length = 0;
        wchar_t units[2];
        const size_t count = wideUnits(decodedCharAt(bytes.data() + i, bytes.size() - i, encoding, length), units);
        out.append(units, count);
        i += length;
    }
    return out;
}

void decodeText(wchar_t* dst, size_t dstUnits, const char* src, TextEncoding encoding, size_t maxChars) {
    const size_t size = std::strlen(src);
    size_t used = 0;
    size_t i = 0;
    for (size_t chars = 0; i < size && chars < maxChars; ++chars) {
        size_t length = 0;
        wchar_t units[2];
        const size_t count = wideUnits(decodedCharAt(src + i, size - i, encoding, length), units);
        if (used + count + 1 > dstUnits) break;
        for (size_t u = 0; u < count; ++u) dst[used++] = units[u];
        i += length;
    }
    dst[used] = L'\0';
}

size_t encodedCharLength(const char* bytes, size_t size, TextEncoding encoding) {
    size_t length = 0;
    decodedCharAt(bytes, size, encoding, length);
    return length;
}

std::string toUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t units = 0;
        appendUtf8(out, charAt(text.c_str(), i, units));
        i += units;
    }
    return out;
}

size_t charCount(const std::wstring& text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
        size_t units = 0;
        charAt(text.c_str(), i, units);
        i += units;
    }
    return count;
}

size_t unitsOfChars(const wchar_t* text, size_t maxChars) {
    size_t i = 0;
    for (size_t chars = 0; text[i] != L'\0' && chars < maxChars; ++chars) {
        size_t units = 0;
        charAt(text, i, units);
        i += units;
    }
    return i;
}

std::wstring firstChars(const std::wstring& text, size_t maxChars) {
    return text.substr(0, unitsOfChars(text.c_str(), maxChars));
}

std::wstring fittedText(const std::wstring& text, size_t maxUnits) {
    size_t total = 0;   // UTF-16 units, whatever the size of wchar_t
    size_t fitEnd = 0;  // the end of the characters that fit with the ellipsis
    for (size_t i = 0; i < text.size();) {
        size_t units = 0;
        const char32_t c = charAt(text.c_str(), i, units);
        total += c > 0xFFFF ? 2 : 1;
        i += units;
        if (total + 1 <= maxUnits) fitEnd = i;
    }
    if (total <= maxUnits) return text;
    return maxUnits == 0 ? std::wstring() : text.substr(0, fitEnd) + L"\u2026";
}

namespace {

// The UTF-16 units of the text, whatever the size of wchar_t.
size_t utf16Units(const std::wstring& text) {
    size_t total = 0;
    for (size_t i = 0; i < text.size();) {
        size_t units = 0;
        total += charAt(text.c_str(), i, units) > 0xFFFF ? 2 : 1;
        i += units;
    }
    return total;
}

}  // namespace

std::wstring fittedLines(const std::vector<std::wstring>& lines, size_t maxUnits) {
    if (lines.empty()) return L"";
    const std::wstring ellipsisLine = L"\n\u2026";
    std::wstring text = fittedText(lines[0], maxUnits);
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::wstring longer = text + L"\n" + lines[i];
        // Room for the ellipsis line stays while later lines are still to come.
        const size_t room = i + 1 < lines.size() ? ellipsisLine.size() : 0;
        if (utf16Units(longer) + room > maxUnits) {
            if (utf16Units(text + ellipsisLine) <= maxUnits) text += ellipsisLine;
            return text;
        }
        text = longer;
    }
    return text;
}

void toUtf8(char* dst, size_t dstBytes, const wchar_t* text) {
    size_t used = 0;
    for (size_t i = 0; text[i] != L'\0';) {
        size_t units = 0;
        std::string bytes;
        appendUtf8(bytes, charAt(text, i, units));
        if (used + bytes.size() + 1 > dstBytes) break;
        bytes.copy(dst + used, bytes.size());
        used += bytes.size();
        i += units;
    }
    dst[used] = '\0';
}
