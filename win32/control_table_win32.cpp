#include "win32/control_table_win32.h"

#include "common/debug_log.h"

HWND createControl(HWND parent, const ControlSpec& spec) {
    return CreateWindowExW(0, spec.className, spec.text, WS_CHILD | WS_VISIBLE | spec.style, spec.x, spec.y, spec.width,
                           spec.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                           GetModuleHandleW(nullptr), nullptr);
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
