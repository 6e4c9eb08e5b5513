#pragma once
// Driving real windows from a test: clicking them, reading them, and running the messages
// of the thread they belong to.

#include <windows.h>

#include <functional>
#include <string>

namespace testing_support {

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// A file of the build tree as Windows programs under Wine see it: the root is drive Z.
inline std::wstring BuildTreePath(const char* path) {
    std::wstring windowsPath = L"Z:";
    for (const char* c = path; *c; ++c) windowsPath += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return windowsPath;
}

// A click with the left mouse button inside the window, as the mouse delivers it.
inline void Click(HWND window) {
    const LPARAM inside = MAKELPARAM(4, 4);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageW(window, WM_LBUTTONUP, 0, inside);
}

// Every message that is already there.
inline void PumpPending(const std::function<void(MSG&)>& process) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) process(message);
}

}  // namespace testing_support
