#include "app/win32/container/button_host.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "Vantor1_h.h"
#include "app/win32/container/button_site.h"
#include "app/win32/com_error.h"
#include "platform/units.h"
#include "platform/win32/dpi.h"
#include "platform/win32/scoped_variant.h"

namespace app::win32 {

namespace {

using platform::ComPtr;

// The program's manifest names the library beside the program, which COM then uses
// whatever other copy is registered.
ComPtr<IClassFactory> FindButtonFactory() {
    ComPtr<IClassFactory> factory;
    const HRESULT hr = CoGetClassObject(CLSID_cButton, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                        reinterpret_cast<void**>(factory.put()));
    if (FAILED(hr)) RaiseCannotCreate(hr);
    return factory;
}

// One class factory for all buttons of a window: the window's first button finds it, the
// others use it, and it goes with the window's last button. Buttons are made on the
// program's user-interface thread only.
struct WindowFactory {
    HWND parent;
    ComPtr<IClassFactory> factory;
    int buttons;
};
std::vector<WindowFactory> windowFactories;

IClassFactory& AcquireFactory(HWND parent) {
    auto it = std::find_if(windowFactories.begin(), windowFactories.end(),
                           [&](const WindowFactory& entry) { return entry.parent == parent; });
    if (it == windowFactories.end()) {
        windowFactories.push_back({parent, FindButtonFactory(), 0});
        it = windowFactories.end() - 1;
    }
    ++it->buttons;
    return *it->factory.get();
}

void ReleaseFactory(HWND parent) {
    auto it = std::find_if(windowFactories.begin(), windowFactories.end(),
                           [&](const WindowFactory& entry) { return entry.parent == parent; });
    if (it != windowFactories.end() && --it->buttons == 0) windowFactories.erase(it);
}

ComPtr<IOleObject> CreateButton(IClassFactory& factory) {
    ComPtr<IOleObject> object;
    const HRESULT hr = factory.CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(object.put()));
    if (FAILED(hr)) RaiseCannotCreate(hr);
    return object;
}

void RaiseIfFailed(HRESULT hr) {
    if (FAILED(hr)) RaiseAutomationError(hr);
}

void PutProperty(IDispatch* dispatch, DISPID id, platform::Variant& value) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&value, &named, 1, 1};
    RaiseIfFailed(
        dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr, nullptr));
}

int IconPixels(HWND parent) { return platform::PixelsAtDpi(16, static_cast<int>(platform::WindowDpi(parent))); }

}  // namespace

ButtonHost::ButtonHost(HWND parent, const StoredButton& stored, int widthTwips, int heightTwips,
                       const RECT& position, std::function<void()> onClick) {
    site_.attach(new ButtonSite(parent, position));
    sink_.attach(new ButtonEvents(std::move(onClick)));
    try {
        Create(parent, stored, widthTwips, heightTwips, position);
    } catch (...) {
        Shutdown();
        throw;
    }
}

void ButtonHost::Create(HWND parent, const StoredButton& stored, int widthTwips, int heightTwips,
                        const RECT& position) {
    IClassFactory& factory = AcquireFactory(parent);
    factoryWindow_ = parent;
    object_ = CreateButton(factory);
    RaiseIfFailed(object_.query(dispatch_));
    RaiseIfFailed(object_.query(control_));

    DWORD status = 0;
    object_->GetMiscStatus(DVASPECT_CONTENT, &status);
    IOleClientSite* site = static_cast<IOleClientSite*>(site_.get());
    if (status & OLEMISC_SETCLIENTSITEFIRST) RaiseIfFailed(object_->SetClientSite(site));
    ComPtr<IPersistPropertyBag> persistence;
    RaiseIfFailed(object_.query(persistence));
    RaiseIfFailed(persistence->Load(
        StoredLayout(GetModuleHandleW(nullptr), stored, widthTwips, heightTwips, IconPixels(parent)).get(), nullptr));
    if (!(status & OLEMISC_SETCLIENTSITEFIRST)) RaiseIfFailed(object_->SetClientSite(site));

    ComPtr<IConnectionPointContainer> points;
    RaiseIfFailed(object_.query(points));
    RaiseIfFailed(points->FindConnectionPoint(DIID___cButton, events_.put()));
    RaiseIfFailed(events_->Advise(static_cast<IDispatch*>(sink_.get()), &cookie_));

    RECT at = position;
    RaiseIfFailed(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, parent, &at));
    RaiseIfFailed(object_.query(inPlace_));
    RaiseIfFailed(inPlace_->GetWindow(&window_));
}

ButtonHost::~ButtonHost() { Shutdown(); }

void ButtonHost::Shutdown() {
    sink_->Disconnect();
    if (events_ && cookie_) events_->Unadvise(cookie_);
    if (inPlace_) inPlace_->InPlaceDeactivate();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    site_->Disconnect();
    if (factoryWindow_) ReleaseFactory(std::exchange(factoryWindow_, nullptr));
}

void ButtonHost::SetCaption(const std::wstring& caption) {
    platform::Variant value;
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocStringLen(caption.data(), static_cast<UINT>(caption.size()));
    if (!value.bstrVal) RaiseAutomationError(E_OUTOFMEMORY);
    PutProperty(dispatch_.get(), DISPID_BUTTON_CAPTION, value);
}

std::wstring ButtonHost::Caption() {
    DISPPARAMS none = {};
    platform::Variant result;
    RaiseIfFailed(dispatch_->Invoke(DISPID_BUTTON_CAPTION, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                    &result, nullptr, nullptr));
    if (result.vt != VT_BSTR || !result.bstrVal) return {};
    return {result.bstrVal, SysStringLen(result.bstrVal)};
}

void ButtonHost::SetEnabled(bool enabled) {
    platform::Variant value;
    value.vt = VT_BOOL;
    value.boolVal = enabled ? VARIANT_TRUE : VARIANT_FALSE;
    PutProperty(dispatch_.get(), DISPID_BUTTON_ENABLED, value);
}

void ButtonHost::SetVisible(bool visible) {
    if (!visible && GetFocus() == window_) {
        // The focus goes on to the next control rather than staying on a hidden one.
        HWND form = GetAncestor(window_, GA_ROOT);
        HWND next = GetNextDlgTabItem(form, window_, FALSE);
        SetFocus(next && next != window_ ? next : form);
    }
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void ButtonHost::Place(const RECT& position) {
    site_->Place(position);
    RECT clip;
    GetClientRect(GetParent(window_), &clip);
    inPlace_->SetObjectRects(&position, &clip);
}

HWND ButtonHost::window() const { return window_; }

bool ButtonHost::TranslateKey(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    IOleInPlaceActiveObject* active = site_->ActiveObject();
    if (active && GetFocus() == window_ && active->TranslateAccelerator(&message) == S_OK) return true;
    if (message.message != WM_SYSKEYDOWN || !IsWindowVisible(window_)) return false;
    CONTROLINFO info = {};
    info.cb = sizeof info;
    if (FAILED(control_->GetControlInfo(&info)) || info.cAccel == 0 || !info.hAccel) return false;
    WORD command = 0;
    if (!IsAccelerator(info.hAccel, info.cAccel, &message, &command)) return false;
    control_->OnMnemonic(&message);
    return true;
}

}  // namespace app::win32
