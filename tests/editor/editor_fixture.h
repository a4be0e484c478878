#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor_port.h"
#include "editor/editor_state.h"
#include "editor/player_data.h"
#include "player_data_sample.h"
#include "test_support.h"

// Records what the editor asks of its windows.
class RecordingPort : public EditorPort {
public:
    std::vector<std::wstring> errors;
    std::vector<std::wstring> displays;
    std::vector<std::wstring> notes;

    void showErrorBox(const wchar_t* text) override { errors.push_back(text); }
    void setDisplayText(const wchar_t* text) override { displays.push_back(text); }
    void showNote(const wchar_t* text) override { notes.push_back(text); }
};

// An editor started in a scratch folder that holds the given PlayerData.txt.
class EditorTest : public ::testing::Test {
protected:
    TempFolder folder;
    EditorState state;
    RecordingPort port;

    void startWith(const std::string& content) {
        writeFile("PlayerData.txt", content);
        ASSERT_TRUE(setupPlayerData(state, port));
        port.displays.clear();
    }

    std::string dataFile() const { return readFile("PlayerData.txt"); }
};
