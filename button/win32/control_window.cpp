#include "button/win32/control_window.h"

#include <oleacc.h>

#include <utility>

#include "button/win32/gdi_objects.h"
#include "button/win32/server_lifetime.h"

namespace button {
namespace {

constexpr wchar_t kClassName[] = L"Vantor1.cButton";

// The class lives while windows of it do, so that an unloaded library leaves none behind.
// A window still holds its class while it is being destroyed: the class goes once the last
// one is gone. Buttons come and go on every thread of the host that has them, so the count
// changes under one lock with the class, and no thread takes the class away between
// another's registering it and creating its window.
SRWLOCK classLock = SRWLOCK_INIT;
int classUsers = 0;  // windows, and windows being created

bool UseClass() {
    AcquireSRWLockExclusive(&classLock);
    // A double click's second press is not a new click.
    const bool registered = platform::Window::Register(LibraryModule(), {kClassName, nullptr, CS_DBLCLKS});
    if (registered) ++classUsers;
    ReleaseSRWLockExclusive(&classLock);
    return registered;
}

void LeaveClass() {
    AcquireSRWLockExclusive(&classLock);
    --classUsers;
    ReleaseSRWLockExclusive(&classLock);
}

void UnregisterUnusedClass() {
    AcquireSRWLockExclusive(&classLock);
    if (classUsers == 0) UnregisterClassW(kClassName, LibraryModule());
    ReleaseSRWLockExclusive(&classLock);
}

}  // namespace

bool ControlWindow::Create(HWND parent, const RECT& position) {
    if (handle()) return true;
    if (!UseClass()) return false;
    usesClass_ = true;
    if (CreateWindowFor(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, position.left,
                        position.top, position.right - position.left, position.bottom - position.top, parent,
                        LibraryModule())) {
        return true;
    }
    LeaveClassOnce();  // unless the window got as far as being destroyed
    return false;
}

// Also after the container destroyed the window with its own: the class may be unused now.
void ControlWindow::Destroy() {
    if (handle()) DestroyWindow(handle());
    UnregisterUnusedClass();
}

void ControlWindow::Destroying() {
    pressed_ = false;
    LeaveClassOnce();
}

void ControlWindow::LeaveClassOnce() {
    if (std::exchange(usesClass_, false)) LeaveClass();
}

LRESULT ControlWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintBuffered();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PRINTCLIENT: {  // WM_PRINT's default handling asks for this too
            RECT client;
            GetClientRect(handle(), &client);
            events_.Paint(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (GetFocus() != handle()) SetFocus(handle());
            SetCapture(handle());
            pressed_ = true;
            return 0;
        case WM_LBUTTONUP: {
            if (!pressed_) return 0;
            pressed_ = false;
            ReleaseCapture();
            RECT client;
            GetClientRect(handle(), &client);
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
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                if (const LRESULT object = events_.AccessibleObject(wParam)) return object;
            }
            return DefWindowProcW(handle(), message, wParam, lParam);
        case WM_SETFOCUS:
            events_.FocusChanged(true);
            return 0;
        case WM_KILLFOCUS:
            events_.FocusChanged(false);
            return 0;
        default:
            return DefWindowProcW(handle(), message, wParam, lParam);
    }
}

void ControlWindow::PaintBuffered() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle(), &paint);
    RECT client;
    GetClientRect(handle(), &client);
    HDC buffer = CreateCompatibleDC(dc);
    GdiObject<HBITMAP> surface(CreateCompatibleBitmap(dc, client.right, client.bottom));
    {
        Selection selected(buffer, surface.get());
        events_.Paint(buffer, client);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    }
    DeleteDC(buffer);
    EndPaint(handle(), &paint);
}

}  // namespace button
