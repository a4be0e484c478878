// The input window (names and ratings, FMT groups, or the player and team
// counts, by the input mode) and the rule text window. What "Enter Data",
// "Load" and "Save" do is decided by the portable editor code; here the
// fields are read and the outcome shown.
#include <string>

#include "editor/input_entry.h"
#include "editor/rule_text.h"
#include "editor/shell/rostrix_shell_win32.h"

namespace {

constexpr int kField1Id = 110;
constexpr int kField2Id = 111;
constexpr int kElementFieldId = 112;
constexpr int kLabel1Id = 114;
constexpr int kLabel2Id = 115;
constexpr int kResult1Id = 117;
constexpr int kResult2Id = 118;
constexpr int kRuleHeadingId = 121;
constexpr int kFilenameFieldId = 123;
constexpr int kRuleTextCountId = 127;

const wchar_t* const kNoEditBox = L"Could not create edit box.";
const wchar_t* const kNoButton = L"Could not create button.";
const wchar_t* const kNoAfterword = L"Could not create text afterword.";
const DWORD kField = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

const ControlSpec kInputControls[] = {
    {L"static", L"", 0, kLabel1Id, 50, 10, 190, 24, kNoLabel},
    {L"static", L"", 0, kLabel2Id, 50, 50, 190, 24, kNoLabel},
    {L"static", L"Enter Which Element To Modify", 0, 116, 50, 90, 190, 60, kNoLabel},
    {L"EDIT", L"", kField, kField1Id, 240, 10, 200, 24, kNoEditBox},
    {L"EDIT", L"", kField, kField2Id, 240, 50, 200, 24, kNoEditBox},
    {L"EDIT", L"-1", kField, kElementFieldId, 240, 90, 200, 24, kNoEditBox},
    {L"button", L"Enter Data", WS_TABSTOP | BS_PUSHBUTTON, kEnterDataId, 160, 150, 160, 40, kNoButton},
    {L"static", L"", 0, kResult1Id, 50, 200, 400, 60, kNoAfterword},
    {L"static", L"", 0, kResult2Id, 50, 260, 400, 60, kNoAfterword},  // as wide as label 1, inside the window
};

const ControlSpec kRuleTextControls[] = {
    {L"static", L"Rule Text", 0, kRuleHeadingId, 200, 20, 200, 70, kNoLabel},
    {L"static", L"Enter Filename:", 0, 122, 10, 90, 200, 40, kNoLabel},
    {L"EDIT", L"", kField, kFilenameFieldId, 210, 90, 100, 40, kNoEditBox},
    {L"button", L"Load", WS_TABSTOP | BS_PUSHBUTTON, kLoadId, 330, 90, 50, 40, kNoButton},
    {L"button", L"Save", WS_TABSTOP | BS_PUSHBUTTON, kSaveId, 400, 90, 50, 40, kNoButton},
    {L"EDIT", L"", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, kRuleTextBoxId, 50, 170, 451, 135,
     kNoEditBox},
    {L"static", L"", 0, kRuleTextCountId, 50, 312, 451, 24, kNoLabel},  // the bytes Save would write
};

std::wstring controlText(int id) {
    HWND control = GetDlgItem(overlordWindow(), id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, &text[0], static_cast<int>(text.size()))));
    return text;
}

void setControlText(int id, const wchar_t* text) { SetDlgItemTextW(overlordWindow(), id, text); }

}  // namespace

bool openInputWindow() {
    if (!createOverlordWindow(screenWidth() / 3, screenHeight() / 3, 500, 400, false)) return false;
    if (!addControls(kInputControls, sizeof kInputControls / sizeof kInputControls[0])) return false;
    const ModeLabels labels = labelsForMode(g_editor.inputMode);
    setControlText(kLabel1Id, labels.first);
    setControlText(kLabel2Id, labels.second);
    presentOverlordWindow();
    focusFirstField();
    return true;
}

bool openRuleTextWindow() {
    closeOverlordWindow();
    if (!loadRuleTextBackground()) return false;
    if (!createOverlordWindow(CW_USEDEFAULT, 0, 600, 500, false)) return false;
    if (!addControls(kRuleTextControls, sizeof kRuleTextControls / sizeof kRuleTextControls[0])) return false;
    setHeadingFont(kRuleHeadingId);
    onRuleTextChanged();
    presentOverlordWindow();
    hideLiveDisplay();
    return true;
}

void focusFirstField() {
    HWND field = GetDlgItem(overlordWindow(), kField1Id);
    if (field != nullptr) SetFocus(field);
}

void onEnterData() {
    EntryFields fields;
    fields.field1 = controlText(kField1Id);
    fields.field2 = controlText(kField2Id);
    fields.element = controlText(kElementFieldId);
    setControlText(kElementFieldId, kElementFieldDefault);
    const EntryOutcome outcome = enterData(g_editor, editorPort(), fields);
    setControlText(kResult1Id, outcome.result1.c_str());
    setControlText(kResult2Id, outcome.result2.c_str());
    if (outcome.emptyField1) setControlText(kField1Id, L"");
    if (outcome.emptyField2) setControlText(kField2Id, L"");
}

void onLoadRuleText() {
    std::wstring text;
    if (!loadRuleText(editorPort(), controlText(kFilenameFieldId), text)) return;
    setControlText(kRuleTextBoxId, text.c_str());
    onRuleTextChanged();  // a multi-line box says nothing of text set from here
}

void onRuleTextChanged() { setControlText(kRuleTextCountId, ruleTextCount(controlText(kRuleTextBoxId)).c_str()); }

// The box keeps the text, saved or not; the count says when it was saved.
void onSaveRuleText() {
    const std::wstring text = controlText(kRuleTextBoxId);
    const bool saved = saveRuleText(editorPort(), controlText(kFilenameFieldId), text);
    setControlText(kRuleTextCountId, ((saved ? L"Saved: " : L"") + ruleTextCount(text)).c_str());
}
