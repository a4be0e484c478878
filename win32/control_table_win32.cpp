#include "win32/control_table_win32.h"

#include "common/debug_log.h"
#include "common/dpi_scale.h"
#include "win32/dpi_win32.h"

HWND createControl(HWND parent, const ControlSpec& spec) {
    const PixelBox box =
        scaleBoxForDpi({spec.x, spec.y, spec.width, spec.height}, static_cast<int>(GetDpiForWindow(parent)));
    HWND control = CreateWindowExW(
        0, spec.class_name, spec.text, WS_CHILD | WS_VISIBLE | spec.style, box.x, box.y, box.width, box.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), GetModuleHandleW(nullptr), nullptr);
    if (control != nullptr) fitControlFont(control);
    return control;
}

const ControlSpec* createControls(HWND parent, const ControlSpec* specs, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (createControl(parent, specs[i]) == nullptr) {
            debugLog("Could not create control %i", specs[i].id);
            return &specs[i];
        }
    }
    return nullptr;
}
