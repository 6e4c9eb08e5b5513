#pragma once
// What every window of the program and of the control library has in common: its class
// registered once per module, the C++ object behind the window found through the window's
// user data, a modal message loop, and the move to the place Windows suggests when the
// window's dots per inch change. Header-only but for the dots per inch (dpi.cpp), so that
// Vantor1 uses it without linking any of the program's code.

#include <windows.h>

#include <type_traits>

#include "platform/win32/dpi.h"

namespace platform {

struct WindowClass {
    const wchar_t* name;
    HBRUSH background = nullptr;
    UINT style = 0;
    HICON icon = nullptr;
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle() const { return window_; }
    // The object behind a window of a class registered through this class; null while none is.
    static Window* From(HWND window) { return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

    // Registers the class unless the module has it already; false when it has neither.
    // Owned: each window of the class, created by class name alone as controls are, makes
    // an object of Self for itself and deletes it when it goes.
    template <class Self = void>
    static bool Register(HINSTANCE module, const WindowClass& kind) {
        WNDCLASSEXW existing = {};
        existing.cbSize = sizeof existing;
        if (GetClassInfoExW(module, kind.name, &existing)) return true;
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = kind.style;
        windowClass.lpfnWndProc = &Procedure<Self>;
        windowClass.hInstance = module;
        windowClass.hIcon = kind.icon;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.hbrBackground = kind.background;
        windowClass.lpszClassName = kind.name;
        return RegisterClassExW(&windowClass) != 0;
    }

protected:
    Window() = default;
    virtual ~Window() { DestroyDetached(); }

    // Creates a window of a registered class with this object behind it; null when that failed.
    HWND CreateWindowFor(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int left, int top,
                         int width, int height, HWND parent, HINSTANCE module) {
        CreateWindowExW(exStyle, className, title, style, left, top, width, height, parent, nullptr, module, this);
        return window_;
    }
    // Destroys the window without telling this object, which may be half destroyed itself.
    void DestroyDetached() {
        if (!window_) return;
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        HWND window = window_;
        window_ = nullptr;
        DestroyWindow(window);
    }

    // Every message from WM_NCCREATE on; WM_NCDESTROY and WM_DPICHANGED come as the calls below.
    virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(window_, message, wParam, lParam);
    }
    // The window is being destroyed: its handle is still valid, the object no longer reached.
    virtual void Destroying() {}
    // The window stands where Windows suggested for its new dots per inch.
    virtual void DpiChanged() {}
    // The window's dots per inch: from Windows at its creation, afterwards as it last told the
    // window (WindowDpi, where the control that the window holds finds the same).
    UINT Dpi() const { return WindowDpi(window_); }

    // Dispatches this thread's messages, each through process, until EndModalLoop or until the
    // window is gone; a WM_QUIT ends it too and is posted again for the outer loop.
    void RunModalLoop(void (*process)(MSG& message) = &Dispatch) {
        modalEnded_ = false;
        MSG message;
        while (!modalEnded_ && window_) {
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            if (got < 0) break;
            process(message);
        }
    }
    void EndModalLoop() {
        modalEnded_ = true;
        PostMessageW(window_, WM_NULL, 0, 0);  // wakes the modal loop
    }
    static void Dispatch(MSG& message) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

private:
    template <class Self>
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            if constexpr (!std::is_void_v<Self>) {
                if (!self) {
                    self = new Self;
                    self->owned_ = true;
                }
            }
            if (self) {
                self->window_ = window;
                SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            }
        }
        Window* self = From(window);
        if (!self) return DefWindowProcW(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            ForgetWindowDpi(window);
            self->Destroying();
            self->window_ = nullptr;
            if (self->owned_) delete self;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        if (message == WM_DPICHANGED) {
            RecordWindowDpi(window, HIWORD(wParam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            self->DpiChanged();
            return 0;
        }
        return self->Handle(message, wParam, lParam);
    }

    HWND window_ = nullptr;
    bool owned_ = false;
    bool modalEnded_ = false;
};

}  // namespace platform
