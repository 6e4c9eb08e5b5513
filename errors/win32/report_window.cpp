#include "errors/win32/report_window.h"

#include <utility>
#include <vector>

#include "platform/units.h"

namespace errors {

namespace {

// The stored layout, in twips.
constexpr int kClientWidth = 12420;
constexpr int kClientHeight = 5595;
constexpr int kTextLeft = 60, kTextTop = 15, kTextWidth = 12300, kTextHeight = 5520;
constexpr int kFontHundredths = 975;  // Courier New 9.75 pt

int Pixels(int twips, UINT dpi) { return platform::PixelsFromTwips(twips, static_cast<int>(dpi)); }

// The windows of this thread that a modal dialog has disabled; while there is one,
// a modeless window would be unreachable behind it.
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadTopLevelWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool ModalDialogIsUp(HWND except) {
    for (HWND window : ThreadTopLevelWindows())
        if (window != except && IsWindowVisible(window) && !IsWindowEnabled(window)) return true;
    return false;
}

}  // namespace

Win32ReportWindow::Win32ReportWindow(HINSTANCE instance) : instance_(instance) {
    Register(instance_, {kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
}

Win32ReportWindow::~Win32ReportWindow() {
    if (handle()) DestroyWindow(handle());
}

// Frame, text box and font at the window's dots per inch, which it has only once it exists.
void Win32ReportWindow::Create() {
    const DWORD style = WS_OVERLAPPEDWINDOW;
    if (!CreateWindowFor(0, kClassName, L"Error", style, 0, 0, 0, 0, nullptr, instance_)) return;
    const UINT dpi = Dpi();
    textBox_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                                   ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_READONLY | ES_NOHIDESEL,
                               Pixels(kTextLeft, dpi), Pixels(kTextTop, dpi), Pixels(kTextWidth, dpi),
                               Pixels(kTextHeight, dpi), handle(), nullptr, instance_, nullptr);
    // A report can be far longer than the edit control's default limit.
    SendMessageW(textBox_, EM_SETLIMITTEXT, 0, 0);
    ApplyFont(dpi);

    RECT frame = {0, 0, Pixels(kClientWidth, dpi), Pixels(kClientHeight, dpi)};
    platform::AdjustFrameForDpi(frame, style, 0, dpi);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    SetWindowPos(handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ReportWindow::ApplyFont(UINT dpi) {
    const int height = platform::PixelsFromHundredthsOfPoint(kFontHundredths, static_cast<int>(dpi));
    platform::GdiObject<HFONT> font(CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New"));
    SendMessageW(textBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
}

void Win32ReportWindow::SetText(const std::wstring& text) {
    if (!handle()) Create();
    if (textBox_) SetWindowTextW(textBox_, text.c_str());
}

bool Win32ReportWindow::IsVisible() { return handle() && IsWindowVisible(handle()); }

bool Win32ReportWindow::ShowModeless() {
    if (!handle() || ModalDialogIsUp(handle())) return false;
    ShowWindow(handle(), SW_SHOW);
    return true;
}

void Win32ReportWindow::ShowModal() {
    if (!handle()) Create();
    if (!handle()) return;
    std::vector<HWND> disabled;
    for (HWND other : ThreadTopLevelWindows())
        if (other != handle() && IsWindowEnabled(other) && IsWindowVisible(other)) {
            EnableWindow(other, FALSE);
            disabled.push_back(other);
        }
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    RunModalLoop();
    for (HWND other : disabled)
        if (IsWindow(other)) EnableWindow(other, TRUE);
}

bool Win32ReportWindow::Activate() {
    if (!handle()) return false;
    SetForegroundWindow(handle());
    return SetFocus(textBox_) != nullptr || GetFocus() == textBox_;
}

void Win32ReportWindow::PlaceTextBox(int left, int top, int width, int height) {
    if (textBox_) MoveWindow(textBox_, left, top, width, height, TRUE);
}

// The text goes with the window; the next report creates it anew.
void Win32ReportWindow::Destroying() { textBox_ = nullptr; }

LRESULT Win32ReportWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        OnReportWindowResize(*this, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        if (textBox_) SetFocus(textBox_);
        return 0;
    case WM_CTLCOLORSTATIC:  // a read-only text box keeps the look of a text box
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CLOSE:
        DestroyWindow(handle());
        return 0;
    default:
        break;
    }
    return DefWindowProcW(handle(), message, wParam, lParam);
}

}  // namespace errors
