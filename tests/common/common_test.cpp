#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <string>

#include "common/bounded_copy.h"
#include "common/crt_random.h"
#include "common/file_open.h"
#include "common/file_status.h"
#include "common/number_read.h"
#include "common/text_convert.h"
#include "common/word_seed.h"
#include "test_support.h"

TEST(CrtRandom, ReproducesTheWindowsRuntimeSequence) {
    // The runtime's well-known first values for srand(1) and srand(0).
    crtSrand(1);
    EXPECT_EQ(crtRand(), 41);
    EXPECT_EQ(crtRand(), 18467);
    EXPECT_EQ(crtRand(), 6334);
    EXPECT_EQ(crtRand(), 26500);
    EXPECT_EQ(crtRand(), 19169);
    crtSrand(0);
    EXPECT_EQ(crtRand(), 38);
    EXPECT_EQ(crtRand(), 7719);
}

TEST(CrtRandom, StaysInRangeAndWrapsTheState) {
    crtSrand(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        int value = crtRand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

// Published FNV-1a 32-bit values, and the words of the guide's example.
TEST(WordSeed, IsTheFnv1aHashOfTheBytesAndDrawNAppendsItsNumber) {
    EXPECT_EQ(static_cast<uint32_t>(wordSeed("")), 2166136261u);
    EXPECT_EQ(static_cast<uint32_t>(wordSeed("a")), 3826002220u);
    EXPECT_EQ(static_cast<uint32_t>(wordSeed("foobar")), 0xbf9cf968u);
    EXPECT_EQ(wordSeed("pancake"), 805679160);
    EXPECT_EQ(wordSeedForDraw("pancake", 1), 805679160);
    EXPECT_EQ(wordSeedForDraw("pancake", 2), wordSeed("pancake#2"));
    EXPECT_EQ(wordSeedForDraw("pancake", 12), wordSeed("pancake#12"));
    EXPECT_EQ(wordSeed("\xd0\x92\xd0\xbb\xd0\xb0\xd0\xb4"), -269834754) << "the UTF-8 bytes of a Cyrillic word";
}

TEST(NumberRead, FollowsTheRuntimeRules) {
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        {"42", 42},
        {"  \t-17xyz", -17},
        {"+8", 8},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"--5", 0},
        {"1-2", 1},
        {"007", 7},
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX},
        {"99999999999999999999", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MIN},
        {"\n\v\f\r 3", 3},
        {"3 4", 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readLeadingInt(c.text), c.value) << c.text;
        EXPECT_EQ(readLeadingInt(readFileText(c.text).c_str()), c.value) << c.text;
    }
}

TEST(BoundedCopy, CutsAndAlwaysTerminates) {
    char small[5];
    boundedCopy(small, "abcdefgh");
    EXPECT_STREQ(small, "abcd");
    boundedCopy(small, "ab");
    EXPECT_STREQ(small, "ab");
    wchar_t wide[3];
    boundedCopy(wide, L"xyz");
    EXPECT_EQ(std::wstring(wide), L"xy");
}

TEST(FileStatus, TellsMissingFromPresentOrUnreadable) {
    TempFolder folder;
    writeFile("present.txt", "x");
    writeFile("sub/inner.txt", "y");
    EXPECT_FALSE(fileIsMissing("present.txt"));
    EXPECT_FALSE(fileIsMissing("sub"));  // a folder exists
    EXPECT_TRUE(fileIsMissing("absent.txt"));
    EXPECT_TRUE(fileIsMissing("nowhere/absent.txt"));
    writeFile("locked.txt", "z");
    ASSERT_EQ(chmod("locked.txt", 0000), 0);
    EXPECT_TRUE(runWithoutRootRights([] { return !fileIsMissing("locked.txt"); }));
}

// Paths in the data files are written as Windows finds them, whatever the
// case of their letters; the native build finds the same files.
TEST(FileOpen, FindsAPathWhateverTheCaseOfItsLetters) {
    TempFolder folder;
    writeFile("Rules/Usual.txt", "x");
    FILE* file = openFile("./rules/USUAL.txt", "rb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    file = openFile("rules/new.txt", "wb");  // written into the folder Rules
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    struct stat info;
    EXPECT_EQ(stat("Rules/new.txt", &info), 0);
    EXPECT_TRUE(fileIsMissing("rules/none.txt"));
}
