#include "platform/win32/dpi.h"

#include "platform/win32/scoped_handle.h"
#include "platform/win32/system_library.h"

namespace platform {

namespace {

constexpr wchar_t kDpiProperty[] = L"platform.Dpi";

// Declared here rather than taken from the headers, which declare them only for Windows 10.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

}  // namespace

UINT SystemDpi() {
    const ScreenDc screen(GetDC(nullptr));
    return static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

UINT WindowDpi(HWND window) {
    if (!window) return SystemDpi();
    if (const HANDLE recorded = GetPropW(window, kDpiProperty))
        return static_cast<UINT>(reinterpret_cast<UINT_PTR>(recorded));
    static const auto getDpiForWindow = NewerFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow) {
        const UINT dpi = getDpiForWindow(window);
        return dpi ? dpi : SystemDpi();
    }
    // Before Windows 10 a window has the dots per inch of its device context.
    const WindowDc dc(GetDC(window));
    return dc.valid() ? static_cast<UINT>(GetDeviceCaps(dc.get(), LOGPIXELSY)) : SystemDpi();
}

void RecordWindowDpi(HWND window, UINT dpi) {
    SetPropW(window, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(dpi)));
}

void ForgetWindowDpi(HWND window) { RemovePropW(window, kDpiProperty); }

bool AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjustForDpi =
        NewerFunction<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjustForDpi) return adjustForDpi(&rect, style, FALSE, exStyle, dpi) != FALSE;
    return AdjustWindowRectEx(&rect, style, FALSE, exStyle) != FALSE;
}

}  // namespace platform
