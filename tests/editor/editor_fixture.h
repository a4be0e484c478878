#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor_shell.h"
#include "editor/editor_state.h"
#include "editor/player_data.h"
#include "test_support.h"

// Records what the editor asks of its windows.
class RecordingShell : public EditorShell {
public:
    std::vector<std::wstring> errors;
    std::vector<std::wstring> displays;

    void showErrorBox(const wchar_t* text) override { errors.push_back(text); }
    void setDisplayText(const wchar_t* text) override { displays.push_back(text); }
};

// The default PlayerData.txt, written out here on its own so that the tests
// check the editor's copy of it.
inline const std::string kDefaultFile =
    "player_num {6} team_num {2} player_name { 'p1' 'p2' 'p3' 'p4' 'p5' 'p6' 'p7' 'p8' } "
    "player_rating { 0 0 0 0 0 0 0 0 } player_fmt_group { 0 0 0 0 0 0 0 0 }";

// text with its first occurrence of from replaced by to.
inline std::string replacedOnce(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// An editor started in a scratch folder that holds the given PlayerData.txt.
class EditorTest : public ::testing::Test {
protected:
    TempFolder folder;
    EditorState state;
    RecordingShell shell;

    void startWith(const std::string& content) {
        writeFile("PlayerData.txt", content);
        ASSERT_TRUE(setupPlayerData(state, shell));
        shell.displays.clear();
    }

    std::string dataFile() const { return readFile("PlayerData.txt"); }
};
