#pragma once
// The button's own window while it is active in place in its container: it paints, and
// turns mouse, keyboard and focus messages into the button's input notifications.

#include <windows.h>

#include "platform/win32/window.h"

namespace button {

class ControlWindowEvents {
public:
    virtual ~ControlWindowEvents() = default;
    virtual void Paint(HDC dc, const RECT& client) = 0;
    virtual void MouseClicked() = 0;  // pressed and released inside the window
    virtual void CharacterTyped(wchar_t character) = 0;
    virtual void FocusChanged(bool gained) = 0;
    // The answer to WM_GETOBJECT for the window's client area; 0 for the system's default.
    virtual LRESULT AccessibleObject(WPARAM flags) = 0;
};

class ControlWindow final : public platform::Window {
public:
    explicit ControlWindow(ControlWindowEvents& events) : events_(events) {}
    ~ControlWindow() override { Destroy(); }

    bool Create(HWND parent, const RECT& position);
    void Destroy();

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroying() override;
    void PaintBuffered();
    void LeaveClassOnce();

    ControlWindowEvents& events_;
    bool pressed_ = false;
    bool usesClass_ = false;  // counted among the users of the window class
};

}  // namespace button
