#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "player_data_sample.h"
#include "script/script.h"
#include "test_support.h"

namespace {

class ScriptWriterTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<Script> script = std::make_unique<Script>();

    // Writes the file, loads it, records its path and starts a fresh log.
    void loadFile(const std::string& content) {
        writeFile("PlayerData.txt", content);
        ASSERT_TRUE(script->load("PlayerData.txt"));
        script->storePath("PlayerData.txt");
        std::remove("debug.txt");
    }

    // Puts text into the store without parsing it, for the search alone.
    void setText(const std::string& text) {
        std::memset(script->text, 0, sizeof script->text);
        std::memcpy(script->text, text.data(), text.size());
    }
};

struct StoreCase {
    const char* key;
    int element;
    bool is_int;
    int32_t number;
    std::string string;
    std::string expected;
};

TEST_F(ScriptWriterTest, StoreReplacesOneValueAndKeepsTheRestByteForByte) {
    const std::string hundred(100, 'x');
    const StoreCase cases[] = {
        {"team_num", 0, true, 3, "", replacedOnce(kDefaultFile, "team_num {2}", "team_num {3}")},
        {"player_name", 2, false, 0, "abc", replacedOnce(kDefaultFile, "'p3'", "'abc'")},
        {"player_name", 7, false, 0, "a", replacedOnce(kDefaultFile, "'p8'", "'a'")},
        {"player_name", 0, false, 0, "Longer_Name1234", replacedOnce(kDefaultFile, "'p1'", "'Longer_Name1234'")},
        {"player_name", 4, false, 0, hundred, replacedOnce(kDefaultFile, "'p5'", "'" + hundred + "'")},
        {"player_name", 1, false, 0, "", replacedOnce(kDefaultFile, "'p2'", "''")},
        {"player_rating", 7, true, INT32_MIN, "",
         replacedOnce(kDefaultFile, "0 } player_fmt_group", "-2147483648 } player_fmt_group")},
        {"player_fmt_group", 0, true, INT32_MAX, "",
         replacedOnce(kDefaultFile, "player_fmt_group { 0", "player_fmt_group { 2147483647")},
        {"player_num", 0, true, 6, "", kDefaultFile},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + std::to_string(c.element));
        loadFile(kDefaultFile);
        bool stored = c.is_int ? script->storeInt(c.key, c.element, c.number)
                               : script->storeString(c.key, c.element, c.string.c_str());
        EXPECT_TRUE(stored);
        EXPECT_EQ(readFile("PlayerData.txt"), c.expected);
        if (c.is_int) {
            EXPECT_EQ(script->getInt(c.key, c.element), c.number);
        } else {
            EXPECT_STREQ(script->getString(c.key, c.element), c.string.c_str());
        }
        EXPECT_EQ(debugLogText(), "");
        EXPECT_FALSE(std::filesystem::exists("PlayerData.txt.tmp"));
    }
}

TEST_F(ScriptWriterTest, EachStoreWorksOnTheTextItLoadedLast) {
    loadFile(kDefaultFile);
    ASSERT_TRUE(script->storeString("player_name", 0, "Alpha"));
    ASSERT_TRUE(script->storeInt("player_rating", 0, 1500));
    ASSERT_TRUE(script->storeString("player_name", 1, "Beta"));
    std::string expected = replacedOnce(kDefaultFile, "'p1' 'p2'", "'Alpha' 'Beta'");
    expected = replacedOnce(expected, "player_rating { 0", "player_rating { 1500");
    EXPECT_EQ(readFile("PlayerData.txt"), expected);
}

struct RefusedCase {
    const char* what;
    const char* key;
    int element;
    bool is_int;
    std::string string;
    std::string log;
};

TEST_F(ScriptWriterTest, RefusedStoreLogsWhyAndLeavesTheFileAsItWas) {
    const std::string refused = "Script store refused for ";
    const RefusedCase cases[] = {
        {"element past the list", "player_name", 8, false, "abc",
         "A empty or previous value is required to be stored beforehand for player_name, element 8, (even if it "
         "is 0)"},
        {"key not in the file", "missing_key", 0, true, "", "Could not find - missing_key\n in " + kDefaultFile},
        {"negative element", "team_num", -1, true, "",
         "Invalid data handed to program num - 0, element - -1\nstr - " + kDefaultFile + "\nname - team_num"},
        {"empty key", "", 0, true, "",
         "Invalid data handed to program num - 0, element - 0\nstr - " + kDefaultFile + "\nname - "},
        {"single quote", "player_name", 0, false, "it's",
         refused + "player_name, element 0: a short string cannot hold a quote, blank or }"},
        {"blank", "player_name", 0, false, "a b",
         refused + "player_name, element 0: a short string cannot hold a quote, blank or }"},
        {"closing bracket", "player_name", 0, false, "a}",
         refused + "player_name, element 0: a short string cannot hold a quote, blank or }"},
        {"101 characters", "player_name", 0, false, std::string(101, 'y'),
         refused + "player_name, element 0: a short string holds at most 100 characters"},
        {"integer among strings", "player_name", 0, true, "",
         refused + "player_name, element 0: the file would not read the value back unchanged"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.what);
        loadFile(kDefaultFile);
        bool stored =
            c.is_int ? script->storeInt(c.key, c.element, 5) : script->storeString(c.key, c.element, c.string.c_str());
        EXPECT_FALSE(stored);
        EXPECT_EQ(readFile("PlayerData.txt"), kDefaultFile);
        EXPECT_EQ(debugLogText(), logLines({c.log}));
        EXPECT_EQ(script->getInt("team_num", 0), 2);  // the store still holds the old values
    }
}

TEST_F(ScriptWriterTest, StoreWithoutARecordedPathIsRefused) {
    writeFile("PlayerData.txt", kDefaultFile);
    ASSERT_TRUE(script->load("PlayerData.txt"));
    EXPECT_FALSE(script->storeInt("team_num", 0, 3));
    EXPECT_EQ(debugLogText(), logLines({"Script storePath function has not been called beforehand; team_num"}));
    EXPECT_EQ(readFile("PlayerData.txt"), kDefaultFile);
}

TEST_F(ScriptWriterTest, StoreThatMissesTheReaderEntryIsRefused) {
    // The search takes the first text that begins with the key's characters:
    // here a longer key and a comment. Writing there would change nothing the
    // reader gives for the key, so the store is refused.
    const std::string texts[] = {"player_numX {5} player_num {6}", "# player_num {9}\nplayer_num {6}"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        loadFile(text);
        EXPECT_FALSE(script->storeInt("player_num", 0, 7));
        EXPECT_EQ(readFile("PlayerData.txt"), text);
        EXPECT_EQ(debugLogText(),
                  logLines({"Script store refused for player_num, element 0: the file would not read the value "
                            "back unchanged"}));
    }
}

TEST_F(ScriptWriterTest, QuotedValueWithBlanksCountsAsSeveralElements) {
    loadFile("k { 'a b' 'c' }");
    // Token 1 is b' (the rest of the first string): replacing it would break
    // the string, so the store is refused.
    EXPECT_FALSE(script->storeString("k", 1, "x"));
    EXPECT_EQ(readFile("PlayerData.txt"), "k { 'a b' 'c' }");
    // Token 2 is 'c', which the reader holds as string element 1, not 2.
    EXPECT_FALSE(script->storeString("k", 2, "x"));
    EXPECT_EQ(readFile("PlayerData.txt"), "k { 'a b' 'c' }");
}

struct SearchCase {
    std::string text;
    const char* key;
    int element;
    const char* token;  // the span found, or null when the search fails
    std::string log;
};

TEST_F(ScriptWriterTest, FindElementSearchesByCharactersAndCountsTokens) {
    const SearchCase cases[] = {
        {"k {1 2 3}", "k", 0, "1", ""},
        {"k {1 2 3}", "k", 2, "3", ""},
        {"k{7}", "k", 0, "7", ""},
        {"k { \r\n\t8 }", "k", 0, "8", ""},
        {"kkey {4}", "key", 0, "4", ""},
        {"xkey {4} key {5}", "key", 0, "5", ""},
        {"player_numX {5} player_num {6}", "player_num", 0, "5", ""},
        {"a { 'k {1}' } k {2}", "k", 0, "2", ""},
        {"a { \"k {1}\" } k {2}", "k", 0, "2", ""},
        {"a { 'x'k {1} } k {3}", "k", 0, "3", ""},  // what touches a closing quote is passed over
        {"a {'k {1}'} k {2}", "k", 0, nullptr, "Missing ending character ' from 9"},  // quotes open tokens only
        {"# k {9}\nk {2}", "k", 0, "9", ""},
        {"k {'a b' 'c'}", "k", 1, "b'", ""},
        {"k {'a b' 'c'}", "k", 2, "'c'", ""},
        {"a { 'abc", "k", 0, nullptr, "Missing ending character ' from 4"},
        {"a { \"abc", "k", 0, nullptr, "Missing ending character \" from 4"},
        {"k 5 x", "k", 0, nullptr, "Could not find beginning curly bracket"},
        {"k {1 ", "k", 1, nullptr, "Encountered Unexpected End Of File"},
        {"k {1 }", "k", 1, nullptr,
         "A empty or previous value is required to be stored beforehand for k, element 1, (even if it is 0)"},
        {"k {1 }", "k", 2147483647, nullptr,
         "A empty or previous value is required to be stored beforehand for k, element 2147483647, (even if it is "
         "0)"},
        {"a {1}", "k", 0, nullptr, "Could not find - k\n in a {1}"},
        {"a {1} k", "k", 0, nullptr, ""},  // the key would end the text
        {"a {1} ", "k", 0, nullptr, ""},   // the search ends on blanks
        {"", "k", 0, nullptr, "Invalid data handed to program num - 0, element - 0\nstr - \nname - k"},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.key + " / " + std::to_string(c.element));
        std::remove("debug.txt");
        setText(c.text);
        size_t begin = 0;
        size_t end = 0;
        bool found = script->findElement(c.key, c.element, begin, end);
        EXPECT_EQ(found, c.token != nullptr);
        if (found && c.token != nullptr) {
            EXPECT_EQ(c.text.substr(begin, end - begin), c.token);
        }
        EXPECT_EQ(debugLogText(), c.log.empty() ? "" : logLines({c.log}));
    }
}

TEST_F(ScriptWriterTest, FailedWriteLeavesTheOldFileAndText) {
    loadFile(kDefaultFile);
    // A folder where the temporary file would go makes the write fail.
    std::filesystem::create_directory("PlayerData.txt.tmp");
    EXPECT_FALSE(script->storeInt("team_num", 0, 3));
    EXPECT_EQ(readFile("PlayerData.txt"), kDefaultFile);
    EXPECT_EQ(debugLogText(), logLines({"PlayerData.txt", "Opening A File"}));
    EXPECT_EQ(script->getInt("team_num", 0), 2);
    std::filesystem::remove("PlayerData.txt.tmp");
    EXPECT_TRUE(script->storeInt("team_num", 0, 3));
}

TEST_F(ScriptWriterTest, ReadOnlyFolderOrFileRefusesTheStore) {
    struct PermissionCase {
        const char* what;
        mode_t folder_mode;
        mode_t file_mode;
        bool stores;
    };
    const PermissionCase cases[] = {
        {"writable folder and file", 0777, 0666, true},
        {"read-only folder", 0555, 0666, false},
        {"read-only file", 0777, 0444, false},
        {"file neither readable nor writable", 0777, 0000, false},
    };
    for (const PermissionCase& c : cases) {
        SCOPED_TRACE(c.what);
        loadFile(kDefaultFile);
        ASSERT_EQ(chmod(folder.path().c_str(), c.folder_mode), 0);
        ASSERT_EQ(chmod("PlayerData.txt", c.file_mode), 0);
        const std::string expected = c.stores ? replacedOnce(kDefaultFile, "{2}", "{3}") : kDefaultFile;
        EXPECT_TRUE(runWithoutRootRights([&] { return script->storeInt("team_num", 0, 3) == c.stores; }));
        EXPECT_EQ(readFile("PlayerData.txt"), expected);
        chmod(folder.path().c_str(), 0755);
        std::remove("PlayerData.txt");
    }
}

}  // namespace
