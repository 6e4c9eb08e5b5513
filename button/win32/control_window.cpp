#include "button/win32/control_window.h"

#include "button/win32/gdi_objects.h"
#include "button/win32/server_lifetime.h"

namespace button {
namespace {

constexpr wchar_t kClassName[] = L"Vantor1.cButton";

// The class lives while windows of it do, so that an unloaded library leaves none behind.
int livingWindows = 0;

bool RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(LibraryModule(), kClassName, &existing)) return true;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;  // a double click's second press is not a new click
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = LibraryModule();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

bool ControlWindow::Create(HWND parent, const RECT& position) {
    if (window_) return true;
    if (!RegisterWindowClass(&ControlWindow::Procedure)) return false;
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, position.left,
                    position.top, position.right - position.left, position.bottom - position.top, parent, nullptr,
                    LibraryModule(), this);
    return window_ != nullptr;
}

void ControlWindow::Destroy() {
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK ControlWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ControlWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        ++livingWindows;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ControlWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->pressed_ = false;
        if (--livingWindows == 0) UnregisterClassW(kClassName, LibraryModule());
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT ControlWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintBuffered();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            if (GetFocus() != window_) SetFocus(window_);
            SetCapture(window_);
            pressed_ = true;
            return 0;
        case WM_LBUTTONUP: {
            if (!pressed_) return 0;
            pressed_ = false;
            ReleaseCapture();
            RECT client;
            GetClientRect(window_, &client);
            const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&client, at)) events_.MouseClicked();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        case WM_GETDLGCODE: {
            // Enter belongs to the button, not to a dialog's default button.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
            return DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
        }
        case WM_CHAR:
            events_.CharacterTyped(static_cast<wchar_t>(wParam));
            return 0;
        case WM_SETFOCUS:
            events_.FocusChanged(true);
            return 0;
        case WM_KILLFOCUS:
            events_.FocusChanged(false);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void ControlWindow::PaintBuffered() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    HDC buffer = CreateCompatibleDC(dc);
    GdiObject<HBITMAP> surface(CreateCompatibleBitmap(dc, client.right, client.bottom));
    {
        Selection selected(buffer, surface.get());
        events_.Paint(buffer, client);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    }
    DeleteDC(buffer);
    EndPaint(window_, &paint);
}

}  // namespace button
