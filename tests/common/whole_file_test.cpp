#include "common/whole_file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace {

// Limits on both sides of the read's block size: a file of exactly the limit
// is read whole, one byte more is refused.
TEST(WholeFile, AFileOfTheLimitIsReadAndOneByteMoreIsTooLong) {
    TempFolder folder;
    for (size_t limit : {0u, 5u, 4096u, 10000u}) {
        std::string bytes = "left over";
        writeFile("exact.bin", std::string(limit, 'x'));
        EXPECT_EQ(readWholeFile("exact.bin", limit, bytes), WholeFileRead::Read) << limit;
        EXPECT_EQ(bytes, std::string(limit, 'x')) << limit;
        writeFile("over.bin", std::string(limit + 1, 'y'));
        EXPECT_EQ(readWholeFile("over.bin", limit, bytes), WholeFileRead::TooLong) << limit;
        EXPECT_EQ(bytes, "") << limit;
    }
}

TEST(WholeFile, AMissingFileIsToldFromOneThatCannotBeRead) {
    TempFolder folder;
    std::string bytes = "left over";
    EXPECT_EQ(readWholeFile("none.txt", 100, bytes), WholeFileRead::Missing);
    EXPECT_EQ(bytes, "");
    writeFile("folder/x.txt", "x");
    EXPECT_NE(readWholeFile("folder", 100, bytes), WholeFileRead::Missing);
    EXPECT_NE(readWholeFile("folder", 100, bytes), WholeFileRead::Read);
}

}  // namespace
