#include "randomiser/startup/match_from_words.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "startup/game_folder.h"
#include "test_support.h"

namespace {

class StartupChecks : public ::testing::Test {
protected:
    TempFolder folder;
    GameFolder files;

    void SetUp() override { files.write(); }

    bool start(const std::wstring& line) {
        std::vector<std::wstring> words = {L"Brenlow_Sortilane.exe"};
        std::wistringstream in(line);
        std::wstring word;
        while (in >> word) words.push_back(word);
        Randomiser randomiser;
        return computeMatch(randomiser, 1, words);
    }
};

TEST_F(StartupChecks, ARepostWithoutDataTxtDoesNotStart) {
    for (const wchar_t* word : {L"repost", L"rematch"}) {
        std::remove("debug.txt");
        EXPECT_FALSE(start(word));
        EXPECT_EQ(debugLogText(),
                  "No saved report to post again - data.txt is missing (a run saves its report there when "
                  "Ctrl+1 types it)\n");
    }
    writeFile("data.txt", "");
    EXPECT_TRUE(start(L"repost"));
}

TEST_F(StartupChecks, ValidateChecksTheRuleTextsAMatchWouldType) {
    struct Case {
        std::string usual;  // Rules/Usual.txt, named by the rule table and typed by Ctrl+2
        const char* removed;
        const wchar_t* line;
        std::string log;
    };
    const Case cases[] = {
        {std::string(255, 'u'), nullptr, L"validate", ""},
        {std::string(256, 'u'), nullptr, L"validate", "Rule text over 255 bytes - ./Rules/Usual.txt\n"},
        {"Be nice", "Rules/fast.txt", L"validate", "Rule text not found - ./rules/fast.txt\n"},
        {"Be nice", "Rules/fast.txt", L"remove rule ./rules/fast.txt validate", ""},  // never typed
        {"Be nice", nullptr, L"rules ./Rules/Gone.txt validate", "Rule text not found - ./rules/gone.txt\n"},
    };
    for (const Case& c : cases) {
        std::remove("debug.txt");
        files.usual_rules = c.usual;
        files.write();
        if (c.removed != nullptr) std::remove(c.removed);
        EXPECT_EQ(start(c.line), c.log.empty()) << c.log;
        EXPECT_EQ(debugLogText(), c.log);
    }
}

}  // namespace
