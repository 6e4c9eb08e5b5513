// Drives another program's windows from outside its process, for the end-to-end tests: finds
// a top-level window by class and title, clicks it, reads and sets its controls' texts and
// answers its dialogs, the way the mouse and keyboard would reach it. Every wait is bounded.
// Messages that may start a modal loop are posted, never sent, so that the driver cannot
// block on a dialog that nobody answers. Prints UTF-8; ends with exit code 1 on a failure.
//
// Usage: driver COMMAND CLASS TITLE [ARGUMENTS]   (TITLE "*" stands for any title)
//   wait                       until such a window shows (60 s at most)
//   gone                       until no such window shows (60 s at most)
//   controls                   one line per child: class, id, x,y in pixels, states, text
//   text ID                    the text of the child with that control id
//   settext ID TEXT            sets the text of the child with that control id
//   select ID INDEX            picks entry INDEX of the combo box with that id
//   press ID                   clicks the push button with that id
//   click X Y                  presses and releases the left button at X,Y of the client area
//   pixel X Y                  the colour at X,Y of the client area, as RRGGBB
//   place                      where the window lies on the screen, as X,Y
//   move X Y                   moves the window to X,Y on the screen
//   close                      closes the window as its close box would
// driver attributes PATH       the attributes of a file, as a decimal number

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

// Wine now and then stalls a program for up to about 20 s on a busy machine.
constexpr auto kPatience = std::chrono::seconds(60);
constexpr UINT kReplyTimeoutMs = 5000;

using Failure = std::runtime_error;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// Written as bytes, so that neither the console's code page nor its line ends change them.
void Write(HANDLE stream, const std::string& bytes) {
    DWORD written = 0;
    WriteFile(stream, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// Asked of the window itself: the text of a control in another process is not its caption.
std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &length))
        throw Failure("the window does not answer");
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        kReplyTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

HWND FindShown(const std::wstring& className, const std::wstring& title) {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (!IsWindowVisible(window) || ClassOf(window) != className) continue;
        if (title == L"*" || TextOf(window) == title) return window;
    }
    return nullptr;
}

bool WaitFor(const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND ChildWithId(HWND parent, int id) {
    for (HWND child : Descendants(parent))
        if (GetDlgCtrlID(child) == id) return child;
    throw Failure("no control with id " + std::to_string(id));
}

std::string Controls(HWND window) {
    std::string lines;
    for (HWND child : Descendants(window)) {
        RECT outer;
        GetWindowRect(child, &outer);
        POINT at{outer.left, outer.top};
        ScreenToClient(window, &at);
        std::string states = IsWindowVisible(child) ? "visible" : "hidden";
        if (!IsWindowEnabled(child)) states += ",disabled";
        DWORD_PTR check = 0;
        if (ClassOf(child) == L"Button" &&
            SendMessageTimeoutW(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &check) &&
            check == BST_CHECKED)
            states += ",checked";
        // One line per control; a text box's own lines are read with "text".
        std::wstring text = TextOf(child);
        std::replace_if(text.begin(), text.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
        lines += Utf8(ClassOf(child)) + "\t" + std::to_string(GetDlgCtrlID(child)) + "\t" + std::to_string(at.x) +
                 "," + std::to_string(at.y) + "\t" + states + "\t" + Utf8(text) + "\n";
    }
    return lines;
}

// Where the mouse would land: the innermost shown child under the point.
void Click(HWND window, POINT at) {
    HWND target = window;
    POINT inTarget = at;
    for (;;) {
        HWND child = ChildWindowFromPointEx(target, inTarget, CWP_SKIPINVISIBLE);
        if (!child || child == target) break;
        MapWindowPoints(target, child, &inTarget, 1);
        target = child;
    }
    const LPARAM point = MAKELPARAM(inTarget.x, inTarget.y);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(target, WM_LBUTTONUP, 0, point);
}

// What the control tells its parent when the user has used it.
void Notify(HWND control, WORD code) {
    PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

std::string Pixel(HWND window, POINT at) {
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

int Number(const wchar_t* text) {
    std::size_t used = 0;
    const int value = std::stoi(text, &used, 0);
    if (text[used] != L'\0') throw Failure("not a number: " + Utf8(text));
    return value;
}

std::string Run(int count, wchar_t** arguments) {
    const std::wstring command = count > 1 ? arguments[1] : L"";
    if (command == L"attributes" && count == 3) {
        const DWORD attributes = GetFileAttributesW(arguments[2]);
        if (attributes == INVALID_FILE_ATTRIBUTES) throw Failure("no file " + Utf8(arguments[2]));
        return std::to_string(attributes) + "\n";
    }
    if (count < 4) throw Failure("usage: driver COMMAND CLASS TITLE [ARGUMENTS]");
    const std::wstring className = arguments[2], title = arguments[3];
    const int extra = count - 4;
    wchar_t** argument = arguments + 4;

    const std::string named = "the window " + Utf8(className) + " '" + Utf8(title) + "'";
    if ((command == L"wait" || command == L"gone") && extra == 0) {
        const bool wanted = command == L"wait";
        if (!WaitFor([&] { return (FindShown(className, title) != nullptr) == wanted; }))
            throw Failure(named + (wanted ? " did not show" : " stays"));
        return {};
    }
    HWND window = FindShown(className, title);
    if (!window) throw Failure(named + " is not shown");
    if (command == L"controls" && extra == 0) return Controls(window);
    if (command == L"text" && extra == 1) return Utf8(TextOf(ChildWithId(window, Number(argument[0])))) + "\n";
    if (command == L"settext" && extra == 2) {
        DWORD_PTR done = 0;
        SendMessageTimeoutW(ChildWithId(window, Number(argument[0])), WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>(argument[1]), SMTO_ABORTIFHUNG, kReplyTimeoutMs, &done);
        if (!done) throw Failure("the text was not taken");
        return {};
    }
    if (command == L"select" && extra == 2) {
        HWND list = ChildWithId(window, Number(argument[0]));
        DWORD_PTR selected = 0;
        SendMessageTimeoutW(list, CB_SETCURSEL, Number(argument[1]), 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &selected);
        if (static_cast<LRESULT>(selected) != Number(argument[1])) throw Failure("no such entry");
        // Choosing with the mouse or the keys also tells the window of the change.
        Notify(list, CBN_SELCHANGE);
        return {};
    }
    if (command == L"press" && extra == 1) {
        Notify(ChildWithId(window, Number(argument[0])), BN_CLICKED);
        return {};
    }
    if (command == L"click" && extra == 2) {
        Click(window, {Number(argument[0]), Number(argument[1])});
        return {};
    }
    if (command == L"pixel" && extra == 2) return Pixel(window, {Number(argument[0]), Number(argument[1])}) + "\n";
    if (command == L"place" && extra == 0) {
        RECT outer;
        GetWindowRect(window, &outer);
        return std::to_string(outer.left) + "," + std::to_string(outer.top) + "\n";
    }
    if (command == L"move" && extra == 2) {
        SetWindowPos(window, nullptr, Number(argument[0]), Number(argument[1]), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return {};
    }
    if (command == L"close" && extra == 0) {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return {};
    }
    throw Failure("unknown command or wrong number of arguments");
}

}  // namespace

int wmain(int count, wchar_t** arguments) {
    try {
        Write(GetStdHandle(STD_OUTPUT_HANDLE), Run(count, arguments));
        return 0;
    } catch (const std::exception& failure) {
        Write(GetStdHandle(STD_ERROR_HANDLE), std::string("driver: ") + failure.what() + "\n");
        return 1;
    }
}
