#include "editor/full_screen.h"

bool coversMonitor(const ScreenRect& window, const ScreenRect& monitor) {
    return window.left <= monitor.left && window.top <= monitor.top && window.right >= monitor.right &&
           window.bottom >= monitor.bottom;
}
