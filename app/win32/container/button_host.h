#pragma once
// One cButton of the control library Vantor1 in one of the program's windows: created by
// its class identity, restored from the window's stored layout, active in place as a
// child window, and changed through its dispatch interface.

#include <windows.h>

#include <ocidl.h>

#include <functional>
#include <string>

#include "app/win32/container/stored_button.h"
#include "platform/win32/com_ptr.h"

namespace app::win32 {

class ButtonEvents;
class ButtonSite;

class ButtonHost {
public:
    // position: in pixels of the parent's client area. Raises an error when the control
    // cannot be created or restored.
    ButtonHost(HWND parent, const StoredButton& stored, int widthTwips, int heightTwips, const RECT& position,
               std::function<void()> onClick);
    ~ButtonHost();
    ButtonHost(const ButtonHost&) = delete;
    ButtonHost& operator=(const ButtonHost&) = delete;

    void SetCaption(const std::wstring& caption);  // ButtonCaption
    std::wstring Caption();
    void SetEnabled(bool enabled);  // ButtonEnabled
    // The host's own visibility: the control's window shows or hides; the control is not told.
    void SetVisible(bool visible);
    void Place(const RECT& position);
    HWND window() const;
    IDispatch* Dispatch() const { return dispatch_.get(); }  // the control's _cButton

    // Keys before the window's own keyboard handling: what the control takes for itself
    // while it has the focus, and its access keys from anywhere in the window.
    bool TranslateKey(MSG& message);

private:
    void Create(HWND parent, const StoredButton& stored, int widthTwips, int heightTwips, const RECT& position);
    void Shutdown();  // lets go of the control, also of one only partly set up

    platform::ComPtr<IOleObject> object_;
    platform::ComPtr<IDispatch> dispatch_;
    platform::ComPtr<IOleControl> control_;
    platform::ComPtr<IOleInPlaceObject> inPlace_;
    platform::ComPtr<IConnectionPoint> events_;
    platform::ComPtr<ButtonSite> site_;
    platform::ComPtr<ButtonEvents> sink_;
    DWORD cookie_ = 0;
    HWND window_ = nullptr;
    HWND factoryWindow_ = nullptr;  // whose window's class factory created the button
};

}  // namespace app::win32
