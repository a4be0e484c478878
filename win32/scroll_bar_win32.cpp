#include "win32/scroll_bar_win32.h"

namespace {

constexpr int kWheelNotchLines = 3;

}  // namespace

int systemLineHeight(HWND window) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics = {};
    int height = 1;
    if (GetTextMetricsW(dc, &metrics)) height = metrics.tmHeight + metrics.tmExternalLeading;
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return height > 0 ? height : 1;
}

void setScrollPage(HWND window, int clientHeight, int lineHeight) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = kScrollLines;
    info.nPage = static_cast<UINT>(clientHeight / lineHeight);
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}

bool scrollByRequest(HWND window, int request, int lineHeight) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, SB_VERT, &info);
    const int before = info.nPos;
    switch (request) {
        case SB_LINEUP: info.nPos -= 1; break;
        case SB_LINEDOWN: info.nPos += 1; break;
        case SB_PAGEUP: info.nPos -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: info.nPos += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK: info.nPos = info.nTrackPos; break;
        case SB_TOP: info.nPos = info.nMin; break;
        case SB_BOTTOM: info.nPos = info.nMax; break;
        default: break;
    }
    info.fMask = SIF_POS;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    GetScrollInfo(window, SB_VERT, &info);
    if (info.nPos == before) return false;
    ScrollWindowEx(window, 0, (before - info.nPos) * lineHeight, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    UpdateWindow(window);
    return true;
}

void scrollByWheel(HWND window, WPARAM wParam, int lineHeight) {
    const int lines = GET_WHEEL_DELTA_WPARAM(wParam) * kWheelNotchLines / WHEEL_DELTA;
    const int request = lines > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < (lines > 0 ? lines : -lines); ++i) scrollByRequest(window, request, lineHeight);
}
