#pragma once
// Driving real windows from a test: finding them, clicking them, reading them, and running
// the message loop of the thread they belong to.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The visible top-level window of the process (this one unless given) with this class and,
// when given, this title; waited for up to ten seconds, null if it does not come.
inline HWND WaitForWindow(const std::wstring& className, const std::wstring& title = {},
                          DWORD processId = GetCurrentProcessId()) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        std::vector<HWND> windows;
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
        for (HWND window : windows) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == processId && IsWindowVisible(window) && ClassOf(window) == className &&
                (title.empty() || TextOf(window) == title))
                return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

inline std::vector<HWND> Children(HWND parent, const std::wstring& className) {
    std::vector<HWND> all, found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND window : all)
        if (ClassOf(window) == className) found.push_back(window);
    return found;
}

inline HWND ChildWithText(HWND parent, const std::wstring& text) {
    for (HWND child : Children(parent, L"Static"))
        if (TextOf(child) == text) return child;
    return nullptr;
}

// A click with the left mouse button inside the window, as the mouse delivers it.
inline void Click(HWND window) {
    const LPARAM inside = MAKELPARAM(4, 4);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageW(window, WM_LBUTTONUP, 0, inside);
}

// Runs this thread's messages through `process` until `done` holds, for at most ten seconds.
inline bool PumpUntil(const std::function<void(MSG&)>& process, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    MSG message;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            process(message);
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// Every message that is already there.
inline void PumpPending(const std::function<void(MSG&)>& process) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) process(message);
}

}  // namespace testing_support
