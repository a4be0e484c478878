#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_convert.h"

namespace {

// A wide string built from code points as the platform holds them: a
// character beyond U+FFFF is a surrogate pair where wchar_t has 16 bits.
std::wstring wideOf(const std::u32string& codePoints) {
    std::wstring out;
    for (char32_t c : codePoints) {
        if (sizeof(wchar_t) == 2 && c > 0xFFFF) {
            out.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(c));
        }
    }
    return out;
}

// A balloon of lines shows whole lines only, "…" on a line of its own for
// those left out; a surrogate pair counts two units.
TEST(TextConvert, FittedLinesKeepWholeLines) {
    EXPECT_EQ(fittedLines({L"Team 1 won.", L"Ann 1500 \u2192 1520", L"Bo 1600 \u2192 1580"}, 255),
              L"Team 1 won.\nAnn 1500 \u2192 1520\nBo 1600 \u2192 1580");
    EXPECT_EQ(fittedLines({L"abc", L"defg", L"hi"}, 11), L"abc\ndefg\nhi") << "exactly the room";
    EXPECT_EQ(fittedLines({L"abc", L"defg", L"hi"}, 10), L"abc\ndefg\n\u2026") << "no line cut in the middle";
    EXPECT_EQ(fittedLines({L"abc", L"defg", L"hi"}, 9), L"abc\n\u2026");
    EXPECT_EQ(fittedLines({L"abc", L"defg", L"hi", L"j"}, 11), L"abc\ndefg\n\u2026")
        << "a line that fits only without the ellipsis line after it";
    EXPECT_EQ(fittedLines({L"abcdefgh", L"ij"}, 5), L"abcd\u2026") << "a first line too long on its own";
    EXPECT_EQ(fittedLines({L"ab", wideOf(U"\U0001F600\U0001F600")}, 6), L"ab\n\u2026");
    EXPECT_EQ(fittedLines({}, 10), L"");
}

}  // namespace

TEST(TextConvert, ValidUtf8IsDecodedAndAnythingElseReadsByteForByte) {
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        std::u32string characters;
    };
    const std::vector<Case> cases = {
        {"", TextEncoding::Utf8, U""},
        {"plain ascii {1}", TextEncoding::Utf8, U"plain ascii {1}"},
        {"Jos\xC3\xA9", TextEncoding::Utf8, U"Jos\u00E9"},
        {"\xD0\x92\xD0\xBB\xD0\xB0\xD0\xB4", TextEncoding::Utf8, U"\u0412\u043B\u0430\u0434"},
        {"\xE6\x9D\x8E\xE9\x9B\xB7", TextEncoding::Utf8, U"\u674E\u96F7"},
        {"a\xF0\x9F\x98\x80z", TextEncoding::Utf8, U"a\U0001F600z"},  // four bytes, one character
        {"\xF4\x8F\xBF\xBF", TextEncoding::Utf8, U"\U0010FFFF"},
        // Not UTF-8: a lone continuation byte, a lead byte cut off, an
        // overlong form, a surrogate, a value beyond U+10FFFF, bytes C0/F5.
        {"Jos\xE9", TextEncoding::Bytes, U"Jos\u00E9"},
        {"\x80", TextEncoding::Bytes, U"\u0080"},
        {"ab\xC3", TextEncoding::Bytes, U"ab\u00C3"},
        {"\xE6\x9D", TextEncoding::Bytes, U"\u00E6\u009D"},
        {"\xC0\xAF", TextEncoding::Bytes, U"\u00C0\u00AF"},
        {"\xE0\x80\xAF", TextEncoding::Bytes, U"\u00E0\u0080\u00AF"},
        {"\xED\xA0\x80", TextEncoding::Bytes, U"\u00ED\u00A0\u0080"},
        {"\xF4\x90\x80\x80", TextEncoding::Bytes, U"\u00F4\u0090\u0080\u0080"},
        {"\xF5\x80\x80\x80", TextEncoding::Bytes, U"\u00F5\u0080\u0080\u0080"},
        // One bad byte anywhere makes the whole text one byte one character.
        {"Jos\xC3\xA9 M\xFCller", TextEncoding::Bytes, U"Jos\u00C3\u00A9 M\u00FCller"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(detectEncoding(c.bytes.data(), c.bytes.size()), c.encoding);
        EXPECT_EQ(readFileText(c.bytes), wideOf(c.characters));
    }
}

TEST(TextConvert, ByteOrderMarkIsSkippedOnlyAtTheStartOfUtf8) {
    EXPECT_EQ(readFileText("\xEF\xBB\xBFplayer_num {6}"), L"player_num {6}");
    EXPECT_EQ(readFileText("\xEF\xBB\xBF"), L"");
    EXPECT_EQ(readFileText("a\xEF\xBB\xBF"), wideOf(U"a\uFEFF"));
    // In a file that is not UTF-8 the three bytes are three characters.
    EXPECT_EQ(readFileText("\xEF\xBB\xBF\xE9"), wideOf(U"\u00EF\u00BB\u00BF\u00E9"));
    EXPECT_EQ(byteOrderMarkLength("\xEF\xBB\xBFx"), 3u);
    EXPECT_EQ(byteOrderMarkLength("\xEF\xBB"), 0u);
}

TEST(TextConvert, EveryLatin1ByteOfANonUtf8FileKeepsItsCharacter) {
    // Every byte 1..255 once: not UTF-8, so each byte is the character of its value.
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    ASSERT_EQ(detectEncoding(bytes.data(), bytes.size()), TextEncoding::Bytes);
    const std::wstring text = readFileText(bytes);
    ASSERT_EQ(text.size(), 255u);
    for (int b = 1; b < 256; ++b) EXPECT_EQ(static_cast<int>(text[b - 1]), b);
    // Written back, the ASCII half is unchanged and the upper half is UTF-8.
    const std::string written = toUtf8(text);
    EXPECT_EQ(written.substr(0, 127), bytes.substr(0, 127));
    EXPECT_EQ(written.size(), 127 + 128 * 2u);
    EXPECT_EQ(written.substr(127 + (0xE9 - 0x80) * 2, 2), "\xC3\xA9");
    EXPECT_EQ(readFileText(written), text);
}

TEST(TextConvert, WritesUtf8AndALoneSurrogateAsQuestionMark) {
    EXPECT_EQ(toUtf8(L"Bob_7 {'x'}"), "Bob_7 {'x'}");
    EXPECT_EQ(toUtf8(wideOf(U"Zo\u00EB")), "Zo\xC3\xAB");
    EXPECT_EQ(toUtf8(wideOf(U"\u674E\u96F7")), "\xE6\x9D\x8E\xE9\x9B\xB7");
    EXPECT_EQ(toUtf8(wideOf(U"\U0001F600")), "\xF0\x9F\x98\x80");
    std::wstring lone = L"a";
    lone.push_back(static_cast<wchar_t>(0xD83D));  // high surrogate without its low half
    lone += L"b";
    lone.push_back(static_cast<wchar_t>(0xDE00));  // low surrogate alone
    EXPECT_EQ(toUtf8(lone), "a?b?");
}

TEST(TextConvert, EveryClassOfCodePointSurvivesWriteAndRead) {
    // The edges of every UTF-8 length and the characters around the surrogates.
    const std::u32string characters =
        U"\u0001\u007F\u0080\u00FF\u0100\u07FF\u0800\uD7FF\uE000\uFEFF\uFFFD\uFFFF"
        U"\U00010000\U0001F600\U0010FFFF";
    const std::wstring text = wideOf(characters);
    const std::string bytes = toUtf8(text);
    EXPECT_EQ(bytes.size(), 2 * 1 + 4 * 2 + 6 * 3 + 3 * 4u);
    EXPECT_EQ(detectEncoding(bytes.data(), bytes.size()), TextEncoding::Utf8);
    EXPECT_EQ(readFileText(bytes), text);
    EXPECT_EQ(charCount(text), characters.size());
    for (char32_t c : characters) {
        if (c == 0xFEFF) continue;  // alone at the start of a file it is the byte order mark
        const std::wstring one = wideOf(std::u32string(1, c));
        EXPECT_EQ(readFileText(toUtf8(one)), one) << static_cast<unsigned long>(c);
        EXPECT_EQ(charCount(one), 1u);
    }
}

TEST(TextConvert, ASurrogatePairIsOneCharacterOnEveryPlatform) {
    // The UTF-16 form Windows holds, spelt out unit by unit so that the
    // pair is also seen where wchar_t has 32 bits.
    std::wstring pair = L"a";
    pair.push_back(static_cast<wchar_t>(0xD83D));
    pair.push_back(static_cast<wchar_t>(0xDE00));
    pair += L"b";
    EXPECT_EQ(charCount(pair), 3u);
    EXPECT_EQ(toUtf8(pair),
              "a\xF0\x9F\x98\x80"
              "b");
    EXPECT_EQ(unitsOfChars(pair.c_str(), 2), 3u);
    EXPECT_EQ(firstChars(pair, 1), L"a");
    EXPECT_EQ(firstChars(pair, 2), pair.substr(0, 3));
    char bytes[5];
    toUtf8(bytes, sizeof bytes, pair.c_str());
    EXPECT_STREQ(bytes, "a");  // the pair's four bytes do not fit after "a" and the terminator
}

TEST(TextConvert, CountsAndCutsWholeCharacters) {
    const std::wstring text = wideOf(U"a\U0001F600b\u00E9\U00010000");
    EXPECT_EQ(charCount(text), 5u);
    EXPECT_EQ(firstChars(text, 0), L"");
    EXPECT_EQ(firstChars(text, 2), wideOf(U"a\U0001F600"));
    EXPECT_EQ(firstChars(text, 4), wideOf(U"a\U0001F600b\u00E9"));
    EXPECT_EQ(firstChars(text, 9), text);
    EXPECT_EQ(unitsOfChars(text.c_str(), 2), 1 + kMaxCharUnits);

    // A fixed array takes whole characters only: a pair that does not fit
    // is left out, never cut in half.
    const std::string bytes = toUtf8(text);
    wchar_t three[3];
    decodeText(three, 3, bytes.c_str(), TextEncoding::Utf8, 10);
    EXPECT_EQ(std::wstring(three), sizeof(wchar_t) == 2 ? L"a" : wideOf(U"a\U0001F600"));
    wchar_t roomy[unitsForChars(3)];
    decodeText(roomy, unitsForChars(3), bytes.c_str(), TextEncoding::Utf8, 3);
    EXPECT_EQ(std::wstring(roomy), wideOf(U"a\U0001F600b"));
    wchar_t latin[4];
    decodeText(latin, 4, "\xE9\xE8\xE7\xE6", TextEncoding::Bytes, 10);
    EXPECT_EQ(std::wstring(latin), L"\u00E9\u00E8\u00E7");

    // Byte-wise cuts of UTF-8 step over a character's bytes as one.
    EXPECT_EQ(encodedCharLength("\xF0\x9F\x98\x80", 4, TextEncoding::Utf8), 4u);
    EXPECT_EQ(encodedCharLength("\xF0\x9F\x98\x80", 4, TextEncoding::Bytes), 1u);
    EXPECT_EQ(encodedCharLength("\xC3", 1, TextEncoding::Utf8), 1u);

    // Writing into a fixed array leaves out a character whose bytes do not fit.
    char bytes6[6];
    toUtf8(bytes6, sizeof bytes6, L"abcdefgh");
    EXPECT_STREQ(bytes6, "abcde");
    toUtf8(bytes6, sizeof bytes6, wideOf(U"abc\u00E9\u00E9").c_str());
    EXPECT_STREQ(bytes6, "abc\xC3\xA9");
    toUtf8(bytes6, sizeof bytes6, wideOf(U"a\U0001F600b").c_str());
    EXPECT_STREQ(bytes6, "a\xF0\x9F\x98\x80");
    toUtf8(bytes6, sizeof bytes6, wideOf(U"ab\U0001F600").c_str());
    EXPECT_STREQ(bytes6, "ab");
}
