#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_convert.h"
#include "randomiser/output/line_cap.h"

// The pieces of a capped line: none longer than the cap, none that starts
// inside a character (with a combining mark, a joiner or the second half of
// a surrogate pair), and, without the continuations' prefixes, the line's
// characters all there in order (the blanks at a cut are not typed).
inline void expectCappedWhole(const std::wstring& line, const std::vector<std::wstring>& pieces, size_t cap) {
    const std::wstring prefix = continuationPrefix(line);
    std::wstring joined;
    for (size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_LE(charCount(pieces[i]), cap) << toUtf8(pieces[i]);
        std::wstring piece = pieces[i];
        if (i > 0) {
            ASSERT_EQ(piece.compare(0, prefix.size(), prefix), 0) << toUtf8(piece);
            piece = piece.substr(prefix.size());
        }
        if (piece.empty()) {
            EXPECT_EQ(pieces.size(), 1u) << "only an empty line gives an empty piece";
            continue;
        }
        const wchar_t first = piece[0];
        EXPECT_FALSE((first >= 0x0300 && first <= 0x036F) || first == 0x200D ||
                     (sizeof(wchar_t) == 2 && first >= 0xDC00 && first <= 0xDFFF))
            << toUtf8(piece);
        EXPECT_NE(piece.back(), 0x200D);
        joined += piece;
    }
    std::wstring expected;
    for (wchar_t c : line)
        if (c != L' ') expected += c;
    std::wstring got;
    for (wchar_t c : joined)
        if (c != L' ') got += c;
    EXPECT_EQ(got, expected);
}
