#include "win32/tooltip_credits_win32.h"

#include <string>
#include <vector>

#include "common/version.h"

namespace {

constexpr int kTooltipLineHeight = 48;  // the least, at 96 DPI: two lines of the system font and a gap
constexpr int kCreditsHeadingId = 251;
constexpr int kVersionId = 252;
constexpr int kCreditNameId = 2000;  // the entry's number times 4 added, as for its text
constexpr int kCreditTextId = 2500;
constexpr int kCreditTop = 180;   // of the first entry, at 96 DPI
constexpr int kCreditStep = 262;  // from one entry to the next

}  // namespace

bool openTooltipWindow(const TooltipWindow& window) {
    std::vector<ControlSpec> rows = {
        {L"static", window.heading, SS_CENTER, window.heading_id, 50, 10, 400, 60, kNoLabel},
    };
    for (size_t i = 0; i < window.line_count; ++i)
        rows.push_back({L"static", window.lines[i].text, SS_LEFT, window.lines[i].id, 50, window.lines_top, 400,
                        kTooltipLineHeight, kNoLabel});
    SecondaryWindow tooltips = {window.width, window.height, rows.data(), rows.size()};
    tooltips.heading_id = window.heading_id;
    tooltips.scrolling = true;
    tooltips.picture = window.picture;
    if (!createSecondaryWindow(tooltips)) return false;
    fitLabelsToText(rows.data() + 1, rows.size() - 1);
    presentSecondaryWindow();
    return true;
}

bool openCreditsWindow(const CreditsWindow& window) {
    const std::wstring version =
        std::wstring(secondaryWindowTitle()) + L" - Version " + kVersionText + L"\n" + window.makers;
    std::vector<ControlSpec> rows = {
        {L"static", L"Credits", SS_CENTER, kCreditsHeadingId, 50, 20, 500, 60, kNoLabel},
        {L"static", version.c_str(), SS_LEFT, kVersionId, 50, 100, 500, 60, kNoLabel},
    };
    for (size_t i = 0; i < window.entry_count; ++i) {
        const int y = kCreditTop + static_cast<int>(i) * kCreditStep;
        const int step = 4 * static_cast<int>(i);
        rows.push_back(
            {L"static", window.entries[i].name, SS_CENTER | WS_BORDER, kCreditNameId + step, 50, y, 500, 40, kNoLabel});
        rows.push_back({L"static", window.entries[i].text, SS_LEFT | WS_BORDER, kCreditTextId + step, 50, y + 42, 500,
                        200, kNoLabel});
    }
    SecondaryWindow credits = {window.width, window.height, rows.data(), rows.size()};
    credits.heading_id = kCreditsHeadingId;
    credits.red_heading = true;
    credits.scrolling = true;
    if (!createSecondaryWindow(credits)) return false;
    presentSecondaryWindow();
    return true;
}
