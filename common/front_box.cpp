#include "common/front_box.h"

#include "common/text_convert.h"

FrontBoxPlan planFrontBox(BoxKind kind, const std::wstring& text, bool openWindowShown, bool mainWindowExists,
                          bool trayIcon, size_t balloonUnits) {
    FrontBoxPlan plan;
    plan.style = (kind == BoxKind::Error ? kBoxIconError : kBoxIconInformation) | kBoxSetForeground | kBoxTopmost;
    if (openWindowShown)
        plan.owner = BoxOwner::OpenWindow;
    else if (mainWindowExists)
        plan.owner = BoxOwner::MainWindow;
    // The balloon is seen where the box may not be: behind a full-screen game.
    if (trayIcon) plan.balloon = fittedText(text.substr(0, text.find(L'\n')), balloonUnits);
    return plan;
}
