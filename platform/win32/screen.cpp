#include "platform/win32/screen.h"

#include <windows.h>

#include "platform/units.h"
#include "platform/win32/dpi.h"

namespace platform {

namespace {

float Twips(int pixels) { return TwipsFromPixels(static_cast<float>(pixels), static_cast<float>(SystemDpi())); }

LONG Pixels(float twips) { return NearestPixelsFromTwips(twips, static_cast<float>(SystemDpi())); }

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

float Win32Screen::WidthTwips() { return Twips(GetSystemMetrics(SM_CXSCREEN)); }

float Win32Screen::HeightTwips() { return Twips(GetSystemMetrics(SM_CYSCREEN)); }

bool Win32Screen::TouchesAnyWorkArea(const TwipsRect& rect) {
    Search search;
    search.wanted = {Pixels(rect.left), Pixels(rect.top), Pixels(rect.left + rect.width),
                     Pixels(rect.top + rect.height)};
    EnumDisplayMonitors(nullptr, nullptr, CheckMonitor, reinterpret_cast<LPARAM>(&search));
    return search.touches;
}

}  // namespace platform
