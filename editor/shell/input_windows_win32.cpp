// The input window (names and ratings, FMT groups with the team pins and
// apart groups, or the player and team counts, by the input mode) and the rule text window, secondary windows of
// the editor. What "Enter Data", "Load" and "Save" do is decided by the
// portable editor code; here the fields are read and the outcome shown. The
// rule text box draws magenta text on the pattern of its background picture.
#include "editor/shell/input_windows_win32.h"

#include <windows.h>

#include <iterator>
#include <string>
#include <vector>

#include "common/debug_log.h"
#include "editor/input_entry.h"
#include "editor/rule_text.h"
#include "editor/shell/editor_port_win32.h"
#include "editor/shell/live_display_win32.h"
#include "ratings/learned_note.h"
#include "win32/secondary_window_win32.h"

namespace {

// The input window's controls, in order from 110, and the rule text
// window's, from 121.
enum InputId {
    kField1Id = 110,
    kField2Id,
    kElementFieldId,
    kEnterDataId,
    kLabel1Id,
    kLabel2Id,
    kElementLabelId,
    kResult1Id,
    kResult2Id
};
// The FMT mode's pin and apart rows, from 131.
enum HostRuleId { kPinLabelId = 131, kPinFieldId, kPinResultId, kApartLabelId, kApartFieldId, kApartResultId };
enum RuleTextId {
    kRuleHeadingId = 121,
    kFilenameLabelId,
    kFilenameFieldId,
    kLoadId,
    kSaveId,
    kRuleTextBoxId,
    kRuleTextCountId
};
constexpr COLORREF kRuleTextColour = RGB(255, 0, 255);
const wchar_t* const kRuleBackgroundPath = L"./Images/ruletext_bg.bmp";

const wchar_t* const kNoEditBox = L"Could not create edit box.";
const wchar_t* const kNoButton = L"Could not create button.";
const wchar_t* const kNoAfterword = L"Could not create text afterword.";
const DWORD kField = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

const ControlSpec kInputControls[] = {
    {L"static", L"", 0, kLabel1Id, 50, 10, 190, 24, kNoLabel},
    {L"static", L"", 0, kLabel2Id, 50, 50, 190, 24, kNoLabel},
    {L"static", L"Enter Which Element To Modify", 0, kElementLabelId, 50, 90, 190, 60, kNoLabel},
    {L"EDIT", L"", kField, kField1Id, 240, 10, 200, 24, kNoEditBox},
    {L"EDIT", L"", kField, kField2Id, 240, 50, 200, 24, kNoEditBox},
    {L"EDIT", L"-1", kField, kElementFieldId, 240, 90, 200, 24, kNoEditBox},
    {L"button", L"Enter Data", WS_TABSTOP | BS_PUSHBUTTON, kEnterDataId, 160, 150, 160, 40, kNoButton},
    {L"static", L"", 0, kResult1Id, 50, 200, 400, 60, kNoAfterword},
    {L"static", L"", 0, kResult2Id, 50, 260, 400, 60, kNoAfterword},  // as wide as label 1, inside the window
};

// The FMT mode puts the pin and apart rows below the second field and moves
// the controls below them down by kHostRulesHeight; their results go last.
constexpr int kHostRulesHeight = 80;
constexpr int kHostRulesTop = 90;
const ControlSpec kHostRuleControls[] = {
    {L"static", L"", 0, kPinLabelId, 50, 90, 190, 24, kNoLabel},
    {L"EDIT", L"", kField, kPinFieldId, 240, 90, 200, 24, kNoEditBox},
    {L"static", L"", 0, kApartLabelId, 50, 130, 190, 24, kNoLabel},
    {L"EDIT", L"", kField, kApartFieldId, 240, 130, 200, 24, kNoEditBox},
    {L"static", L"", 0, kPinResultId, 50, 400, 400, 40, kNoAfterword},
    {L"static", L"", 0, kApartResultId, 50, 440, 400, 40, kNoAfterword},
};

const ControlSpec kRuleTextControls[] = {
    {L"static", L"Rule Text", 0, kRuleHeadingId, 200, 20, 200, 70, kNoLabel},
    {L"static", L"Enter Filename:", 0, kFilenameLabelId, 10, 90, 200, 40, kNoLabel},
    {L"EDIT", L"", kField, kFilenameFieldId, 210, 90, 100, 40, kNoEditBox},
    {L"button", L"Load", WS_TABSTOP | BS_PUSHBUTTON, kLoadId, 330, 90, 50, 40, kNoButton},
    {L"button", L"Save", WS_TABSTOP | BS_PUSHBUTTON, kSaveId, 400, 90, 50, 40, kNoButton},
    {L"EDIT", L"", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, kRuleTextBoxId, 50, 170, 451, 135,
     kNoEditBox},
    {L"static", L"", 0, kRuleTextCountId, 50, 312, 451, 24, kNoLabel},  // the bytes Save would write
};

// Made once from the background picture, kept until shutdown.
HBRUSH g_ruleBrush = nullptr;

// The picture is loaded each time the rule text window opens, so a missing
// picture keeps the window shut; the brush copies it and the picture itself
// is not kept.
bool loadRuleTextBackground() {
    HBITMAP picture =
        static_cast<HBITMAP>(LoadImageW(nullptr, kRuleBackgroundPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (picture == nullptr) {
        debugLog("Could not load the rule text background ./Images/ruletext_bg.bmp");
        return false;
    }
    if (g_ruleBrush == nullptr) g_ruleBrush = CreatePatternBrush(picture);
    DeleteObject(picture);
    if (g_ruleBrush == nullptr) debugLog("Could not make the rule text background brush");
    return g_ruleBrush != nullptr;
}

HBRUSH ruleTextColours(HDC dc, int id) {
    if (id != kRuleTextBoxId) return nullptr;
    SetTextColor(dc, kRuleTextColour);
    SetBkMode(dc, TRANSPARENT);
    return g_ruleBrush;
}

void setControlText(int id, const wchar_t* text) { setSecondaryControlText(id, text); }

void onEnterData() {
    EntryFields fields;
    fields.field1 = secondaryControlText(kField1Id);
    fields.field2 = secondaryControlText(kField2Id);
    fields.element = secondaryControlText(kElementFieldId);
    fields.pin = secondaryControlText(kPinFieldId);  // empty outside the FMT mode, which has no such field
    fields.apart = secondaryControlText(kApartFieldId);
    setControlText(kElementFieldId, kElementFieldDefault);
    const EntryOutcome outcome = enterData(g_editor, editorPort(), fields, resultsFileText());
    setControlText(kResult1Id, outcome.result1.c_str());
    setControlText(kResult2Id, outcome.result2.c_str());
    if (outcome.empty_field1) setControlText(kField1Id, L"");
    if (outcome.empty_field2) setControlText(kField2Id, L"");
    if (labelsForMode(g_editor.input_mode).pin == nullptr) return;
    setControlText(kPinResultId, outcome.result_pin.c_str());
    setControlText(kApartResultId, outcome.result_apart.c_str());
    if (outcome.empty_pin) setControlText(kPinFieldId, L"");
    if (outcome.empty_apart) setControlText(kApartFieldId, L"");
}

void onInputCommand(int id, int notification, HWND) {
    if (id == kEnterDataId && notification == BN_CLICKED) onEnterData();
}

// Shows how many bytes Save would write.
void onRuleTextChanged() {
    setControlText(kRuleTextCountId, ruleTextCount(secondaryControlText(kRuleTextBoxId)).c_str());
}

void onLoadRuleText() {
    std::wstring text;
    if (!loadRuleText(editorPort(), secondaryControlText(kFilenameFieldId), text)) return;
    setControlText(kRuleTextBoxId, text.c_str());
    onRuleTextChanged();  // a multi-line box says nothing of text set from here
}

// The box keeps the text, saved or not; the count says when it was saved.
void onSaveRuleText() {
    const std::wstring text = secondaryControlText(kRuleTextBoxId);
    const bool saved = saveRuleText(editorPort(), secondaryControlText(kFilenameFieldId), text);
    setControlText(kRuleTextCountId, ((saved ? L"Saved: " : L"") + ruleTextCount(text)).c_str());
}

void onRuleTextCommand(int id, int notification, HWND control) {
    if (id == kLoadId && notification == BN_CLICKED) onLoadRuleText();
    if (id == kSaveId && notification == BN_CLICKED) onSaveRuleText();
    // The box draws its text on the pattern: redraw it whole when its text
    // moves, or the pattern behind the old text would be left out of step.
    if (id == kRuleTextBoxId && (notification == EN_CHANGE || notification == EN_VSCROLL))
        InvalidateRect(control, nullptr, TRUE);
    if (id == kRuleTextBoxId && notification == EN_CHANGE) onRuleTextChanged();
}

// The controls of the open input window, kept while it is open.
std::vector<ControlSpec> g_inputControls;

// The window's controls in the mode: the FMT mode adds the pin and apart rows.
SecondaryWindow inputWindow(bool hostRules) {
    g_inputControls.assign(std::begin(kInputControls), std::end(kInputControls));
    int height = 400;
    if (hostRules) {
        for (ControlSpec& control : g_inputControls) {
            if (control.y >= kHostRulesTop) control.y += kHostRulesHeight;
        }
        g_inputControls.insert(g_inputControls.end(), std::begin(kHostRuleControls), std::end(kHostRuleControls));
        height += 2 * kHostRulesHeight + 20;
    }
    SecondaryWindow window = {500, height, g_inputControls.data(), g_inputControls.size()};
    window.on_command = onInputCommand;
    return window;
}

SecondaryWindow ruleTextWindow() {
    SecondaryWindow window = {600, 500, kRuleTextControls, std::size(kRuleTextControls)};
    window.heading_id = kRuleHeadingId;
    window.on_command = onRuleTextCommand;
    window.edit_colours = ruleTextColours;
    return window;
}

}  // namespace

void openInputWindow(InputMode mode) {
    g_editor.input_mode = mode;
    const ModeLabels labels = labelsForMode(g_editor.input_mode);
    if (!createSecondaryWindow(inputWindow(labels.pin != nullptr))) return;
    setControlText(kLabel1Id, labels.first);
    setControlText(kLabel2Id, labels.second);
    if (labels.pin != nullptr) {
        setControlText(kPinLabelId, labels.pin);
        setControlText(kApartLabelId, labels.apart);
    }
    presentSecondaryWindow();
    focusFirstField();
}

void openRuleTextWindow() {
    closeSecondaryWindow();
    if (!loadRuleTextBackground() || !createSecondaryWindow(ruleTextWindow())) return;
    onRuleTextChanged();
    presentSecondaryWindow();
    hideLiveDisplay();
}

void focusFirstField() {
    HWND field = GetDlgItem(secondaryWindow(), kField1Id);
    if (field != nullptr) SetFocus(field);
}

void releaseRuleTextBackground() {
    if (g_ruleBrush != nullptr) DeleteObject(g_ruleBrush);
    g_ruleBrush = nullptr;
}
