#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>
#include <string>

#include "player_data_sample.h"
#include "script/script.h"
#include "test_support.h"

namespace {

class ScriptReader : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<Script> script{new Script()};

    bool loadText(const std::string& text) {
        writeFile("data.txt", text);
        return script->load("data.txt");
    }
};

TEST_F(ScriptReader, ReadsTheDefaultPlayerData) {
    ASSERT_TRUE(loadText(kDefaultFile));
    EXPECT_EQ(script->key_count, 5);
    EXPECT_EQ(script->getInt("player_num", 0), 6);
    EXPECT_EQ(script->getInt("team_num", 0), 2);
    EXPECT_STREQ(script->getString("player_name", 7), "p8");
    EXPECT_EQ(script->getInt("player_rating", 3), 0);
    EXPECT_EQ(debugLogText(), "");
}

TEST_F(ScriptReader, ReadsValuesOfEveryShape) {
    struct Case {
        const char* text;
        const char* key;
        int element;
        int32_t value;
    };
    const Case cases[] = {
        {"a{6}", "a", 0, 6},  // no blanks inside, name against the bracket
        {"a {1 2 3}", "a", 2, 3},
        {"a {12abc3}", "a", 0, 123},  // only digits, points and minus are kept
        {"a {1e3}", "a", 0, 13},
        {"a {#5}", "a", 0, 5},  // no comments inside a list
        {"a {1-2}", "a", 0, 1},
        {"a {--5}", "a", 0, 0},
        {"a {-42}", "a", 0, -42},
        {"a {abc - # 7}", "a", 0, 7},              // tokens without digits are no value
        {"a {1500 1600.5 1700}", "a", 1, 1700},    // a float takes no place
        {"a {1 \"long } string\" 2}", "a", 1, 2},  // a long string takes no place
        {"a {'s' 1 't' 2}", "a", 1, 2},
        {"a {99999999999}", "a", 0, 2147483647},  // clamped like the runtime's atoi
        {"a {-99999999999}", "a", 0, -2147483647 - 1},
        {"Team_num {2}", "eam_num", 0, 2},  // upper case is skipped between entries
        {"9 ) a {4}", "a", 0, 4},
        {"# comment\na {1} # between\nb {2}\n# last line", "b", 0, 2},
        {"a {1}\n# comment without line feed", "a", 0, 1},
        {"a\r\n{\r\n5\r\n}", "a", 0, 5},
        {"a {1} a {2}", "a", 0, 1},  // the first entry of a name answers
        {"a {1 2", "a", 1, 2},       // the end of the text closes the list
        {"k{1}", "k", 0, 1},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(loadText(c.text)) << c.text;
        EXPECT_EQ(script->getInt(c.key, c.element), c.value) << c.text;
    }
    EXPECT_EQ(debugLogText(), "");
}

TEST_F(ScriptReader, CountsStringsAndIntegersSeparately) {
    ASSERT_TRUE(loadText("x {'a' 1 'b' 2} y {'one''two' ''}"));
    EXPECT_STREQ(script->getString("x", 1), "b");
    EXPECT_EQ(script->getInt("x", 1), 2);
    EXPECT_STREQ(script->getString("y", 0), "one");
    EXPECT_STREQ(script->getString("y", 1), "two");
    EXPECT_STREQ(script->getString("y", 2), "");
    EXPECT_STREQ(script->getString("y", 50), "");
    ASSERT_TRUE(loadText("z {'with } and \"quote\" and\nline'}"));
    EXPECT_STREQ(script->getString("z", 0), "with } and \"quote\" and\nline");
}

TEST_F(ScriptReader, AcceptsAnOpenListAtTheEnd) {
    ASSERT_TRUE(loadText("a {1} b {"));
    EXPECT_EQ(script->key_count, 2);
    EXPECT_EQ(script->getInt("b", 0), 0);
    EXPECT_EQ(debugLogText(), "");
}

TEST_F(ScriptReader, KeepsNinetyNineCharactersOfAKeyName) {
    std::string name(120, 'k');
    ASSERT_TRUE(loadText(name + " {7}"));
    EXPECT_EQ(script->getInt(std::string(99, 'k').c_str(), 0), 7);
}

TEST_F(ScriptReader, RefusesBrokenTextWithItsLine) {
    struct Case {
        std::string text;
        std::string line;
    };
    const Case cases[] = {
        {"a {1} b", "No Beginning Curly Bracket - data.txt\n"},
        {"a 5", "No Beginning Curly Bracket - data.txt\n"},
        {"a {\"open", "Long String without matching \" - data.txt, line 1: \"open\n"},
        {"a {'open", "Short String without matching ' - data.txt, line 1: 'open\n"},
        {"a {'" + std::string(101, 'x') + "'}", "too many characters in data (Short String) - data.txt\n"},
        {"a {\"" + std::string(10001, 'x') + "\"}", "too many characters in data (Long String) - data.txt\n"},
        {"a {" + std::string(101, '1') + "}", "too many characters in data (numeric(int)) - data.txt\n"},
        {"a {" + std::string(100, '1') + ".}", "too many characters in data (numeric(float)) - data.txt\n"},
        {"a {" + std::string(100, '1') + "-}", "too many characters in data (numeric(int)) - data.txt\n"},
        {"a{1}b{1}c{1}d{1}e{1}f{1}g{1}h{1}i{1}j{1}k{1}", "too many entries in file (at most 10) - data.txt\n"},
    };
    for (const Case& c : cases) {
        std::remove("debug.txt");
        EXPECT_FALSE(loadText(c.text)) << c.text.substr(0, 40);
        EXPECT_EQ(debugLogText(), c.line + kInvalidTextLine) << c.text.substr(0, 40);
        EXPECT_EQ(script->key_count, 0);
    }
}

// A missing closing quote pairs the quotes wrongly from there on: the quote
// that closes the string touches the next name.
TEST_F(ScriptReader, NamesTheStringWhoseClosingQuoteIsMissing) {
    EXPECT_FALSE(loadText("map_name {\n  'Hollow Fjords'\n  'twin cairns\n  'Saltpans'\n  'Stonewake'\n}"));
    EXPECT_EQ(debugLogText(),
              std::string("Short String without matching ' - data.txt, line 3: 'twin cairns\n") + kInvalidTextLine);
    std::remove("debug.txt");
    EXPECT_FALSE(loadText("player_name { 'Halvard' 'Senna 'Orrick' 'Pellworth' } player_num {6}"));
    EXPECT_EQ(debugLogText(),
              std::string("Short String without matching ' - data.txt, line 1: 'Senna 'Orrick' 'Pellworth' } p\n") +
                  kInvalidTextLine);
}

TEST_F(ScriptReader, SaysWhenTheFileIsSavedAsUtf16) {
    for (const std::string& text : {std::string("\xFF\xFEp\0{\0\x36\0}\0", 10), std::string("p\0{\0\x36\0}\0", 8),
                                    std::string("\xFE\xFF\0p\0{\0\x36\0}", 10)}) {
        std::remove("debug.txt");
        EXPECT_FALSE(loadText(text));
        EXPECT_EQ(debugLogText(),
                  std::string("data.txt is saved as UTF-16: save it as UTF-8 or ANSI\n") + kInvalidTextLine);
    }
}

TEST_F(ScriptReader, TakesTheLargestListsAndRefusesMore) {
    std::string ints = "a {", strings = "b {";
    for (int i = 0; i < 100; ++i) {
        ints += std::to_string(i) + " ";
        strings += "'s" + std::to_string(i) + "' ";
    }
    ASSERT_TRUE(loadText(ints + "} " + strings + "} c {'" + std::string(100, 'x') + "'}"));
    EXPECT_EQ(script->getInt("a", 99), 99);
    EXPECT_STREQ(script->getString("b", 99), "s99");
    EXPECT_EQ(std::string(script->getString("c", 0)), std::string(100, 'x'));

    EXPECT_FALSE(loadText(ints + "100}"));
    EXPECT_NE(debugLogText().find("too many integers in one list (at most 100) - data.txt\n"), std::string::npos);
    EXPECT_FALSE(loadText(strings + "'one more'}"));
    EXPECT_NE(debugLogText().find("too many short strings in one list (at most 100) - data.txt\n"), std::string::npos);
}

TEST_F(ScriptReader, LimitsTheFileSize) {
    std::string padding(99999 - 5, ' ');
    ASSERT_TRUE(loadText("a {1}" + padding));
    EXPECT_EQ(script->getInt("a", 0), 1);
    EXPECT_FALSE(loadText("a {1}" + padding + " "));
    EXPECT_EQ(debugLogText(), std::string("file too large (at most 99999 bytes) - data.txt\n") + kInvalidTextLine);
}

TEST_F(ScriptReader, EndsTheTextAtAZeroByte) {
    ASSERT_TRUE(loadText(std::string("a {1}\0b {2}", 11)));
    EXPECT_EQ(script->key_count, 1);
}

TEST_F(ScriptReader, LeavesNoValuesAfterAFailedLoad) {
    ASSERT_TRUE(loadText("a {5}"));
    EXPECT_FALSE(loadText("a {5} b"));
    std::remove("debug.txt");
    EXPECT_EQ(script->getInt("a", 0), 0);
    EXPECT_EQ(debugLogText(), "script - expected integer missing\n");
}

TEST_F(ScriptReader, ReportsMissingAndUnwritableFiles) {
    EXPECT_FALSE(script->load("absent.txt"));
    EXPECT_EQ(debugLogText(), std::string("filename doesnt exist - absent.txt\n") + kInvalidTextLine);
    std::remove("debug.txt");
    // A folder opens for reading but never for writing, even for an administrator.
    ASSERT_EQ(mkdir("folder.txt", 0755), 0);
    EXPECT_FALSE(script->load("folder.txt"));
    EXPECT_EQ(debugLogText(), std::string("folder.txt\nOpening A File\n") + kInvalidTextLine);
}

TEST_F(ScriptReader, RefusesAReadOnlyFile) {
    writeFile("locked.txt", "a {1}");
    ASSERT_EQ(chmod("locked.txt", 0444), 0);
    writeFile("debug.txt", "");
    ASSERT_EQ(chmod("debug.txt", 0666), 0);
    EXPECT_TRUE(runWithoutRootRights([this] {
        return !script->load("locked.txt") &&
               debugLogText() == std::string("locked.txt\nOpening A File\n") + kInvalidTextLine;
    }));
}

// A program that only reads a file takes it when it is read-only too.
TEST_F(ScriptReader, LoadsAReadOnlyFileForReading) {
    writeFile("locked.txt", "a {1}");
    ASSERT_EQ(chmod("locked.txt", 0444), 0);
    EXPECT_TRUE(
        runWithoutRootRights([this] { return script->loadForReading("locked.txt") && script->getInt("a", 0) == 1; }));
}

TEST_F(ScriptReader, CountsTheValuesEachListHolds) {
    ASSERT_TRUE(loadText("n {1 'x' 2 'y' 3 1.5} s {'a'} e {} n {1}"));
    EXPECT_EQ(script->intsHeld("n"), 3);
    EXPECT_EQ(script->stringsHeld("n"), 2);
    EXPECT_EQ(script->intsHeld("s"), 0);
    EXPECT_EQ(script->stringsHeld("s"), 1);
    EXPECT_EQ(script->stringsHeld("e"), 0);
    EXPECT_EQ(script->intsHeld("absent"), 0);
    EXPECT_EQ(debugLogText(), "");
}

TEST_F(ScriptReader, LogsMissingLookups) {
    ASSERT_TRUE(loadText("a {1 2 3 4 5 6 7 8} s {'x'}"));
    struct Case {
        bool integer;
        const char* key;
        int element;
        const char* line;
    };
    const Case cases[] = {
        {true, "absent", 0, "script - expected integer missing\n"},
        {true, "a", 99, ""},
        {true, "a", 100, "beyond end of int array - couldnt find the element\n"},
        {false, "absent", 0, "script - expected string missing\n"},
        {false, "s", 99, ""},
        {false, "s", 100, "beyond end of string array - couldnt find the element\n"},
        {true, "A", 0, "script - expected integer missing\n"},  // names are case-sensitive
    };
    for (const Case& c : cases) {
        std::remove("debug.txt");
        if (c.integer) {
            EXPECT_EQ(script->getInt(c.key, c.element), 0);
        } else {
            const char* value = script->getString(c.key, c.element);
            if (c.line[0] == '\0') {
                EXPECT_STREQ(value, "");
            } else {
                EXPECT_EQ(value, nullptr);
            }
        }
        EXPECT_EQ(debugLogText(), c.line) << c.key << " " << c.element;
    }
    EXPECT_EQ(script->getInt("a", -3), 1);  // a negative index reads element 0
}

}  // namespace
