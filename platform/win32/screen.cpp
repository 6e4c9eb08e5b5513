#include "platform/win32/screen.h"

#include <windows.h>

#include "platform/units.h"
#include "platform/win32/dpi.h"

namespace platform {

float ScreenTwips(int pixels) { return TwipsFromPixels(static_cast<float>(pixels), static_cast<float>(SystemDpi())); }

int ScreenPixels(float twips) {
    return static_cast<int>(NearestPixelsFromTwips(twips, static_cast<float>(SystemDpi())));
}

namespace {

struct Search {
    RECT wanted;
    bool touches = false;
};

BOOL CALLBACK CheckMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    RECT common;
    if (GetMonitorInfoW(monitor, &info) && IntersectRect(&common, &info.rcWork, &search->wanted)) {
        search->touches = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

float Win32Screen::WidthTwips() { return ScreenTwips(GetSystemMetrics(SM_CXSCREEN)); }

float Win32Screen::HeightTwips() { return ScreenTwips(GetSystemMetrics(SM_CYSCREEN)); }

bool Win32Screen::TouchesAnyWorkArea(const TwipsRect& rect) {
    Search search;
    search.wanted = {ScreenPixels(rect.left), ScreenPixels(rect.top), ScreenPixels(rect.left + rect.width),
                     ScreenPixels(rect.top + rect.height)};
    EnumDisplayMonitors(nullptr, nullptr, CheckMonitor, reinterpret_cast<LPARAM>(&search));
    return search.touches;
}

}  // namespace platform
