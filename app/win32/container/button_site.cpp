#include "app/win32/container/button_site.h"

#include <olectl.h>

#include "platform/win32/com_result.h"
#include "platform/win32/untyped_dispatch.h"

namespace app::win32 {


// The layout is kept by the window, not saved through the site.
HRESULT ButtonSite::SaveObject() { return E_NOTIMPL; }

HRESULT ButtonSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT ButtonSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT ButtonSite::ShowObject() { return S_OK; }
HRESULT ButtonSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT ButtonSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT ButtonSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = parent_;
    return S_OK;
}

HRESULT ButtonSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT ButtonSite::CanInPlaceActivate() { return S_OK; }
HRESULT ButtonSite::OnInPlaceActivate() { return S_OK; }
HRESULT ButtonSite::OnUIActivate() { return S_OK; }

HRESULT ButtonSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                     LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    *position = position_;
    GetClientRect(parent_, clip);
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(parent_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT ButtonSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT ButtonSite::OnUIDeactivate(BOOL) { return S_OK; }

HRESULT ButtonSite::OnInPlaceDeactivate() {
    active_ = nullptr;
    return S_OK;
}

HRESULT ButtonSite::DiscardUndoState() { return S_OK; }
HRESULT ButtonSite::DeactivateAndUndo() { return S_OK; }

// The window's layout decides where its controls lie.
HRESULT ButtonSite::OnPosRectChange(LPCRECT) { return E_NOTIMPL; }

HRESULT ButtonSite::OnControlInfoChanged() { return S_OK; }
HRESULT ButtonSite::LockInPlaceActive(BOOL) { return S_OK; }

HRESULT ButtonSite::GetExtendedControl(IDispatch** control) {
    if (control) *control = nullptr;
    return E_NOTIMPL;
}

HRESULT ButtonSite::TransformCoords(POINTL*, POINTF*, DWORD) { return E_NOTIMPL; }
HRESULT ButtonSite::TranslateAccelerator(MSG*, DWORD) { return S_FALSE; }
HRESULT ButtonSite::OnFocus(BOOL) { return S_OK; }
HRESULT ButtonSite::ShowPropertyFrame() { return E_NOTIMPL; }

HRESULT ButtonSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT ButtonSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT ButtonSite::SetBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }

HRESULT ButtonSite::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
    active_ = platform::ComPtr<IOleInPlaceActiveObject>(object);
    return S_OK;
}

HRESULT ButtonSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT ButtonSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT ButtonSite::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT ButtonSite::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT ButtonSite::EnableModeless(BOOL) { return S_OK; }
HRESULT ButtonSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

namespace {

// The colour the form's window class paints its background with: a system colour's brush
// is its number plus one, as the class was registered.
OLE_COLOR WindowBackColor(HWND window) {
    const auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND));
    const auto systemColor = reinterpret_cast<UINT_PTR>(brush);
    if (systemColor > 0 && systemColor <= COLOR_MENUBAR + 1) {
        return 0x80000000u | static_cast<OLE_COLOR>(systemColor - 1);
    }
    LOGBRUSH style = {};
    if (brush && GetObjectW(brush, sizeof style, &style) == sizeof style && style.lbStyle == BS_SOLID) {
        return style.lbColor;
    }
    return 0x80000000u | COLOR_WINDOW;
}

}  // namespace

HRESULT ButtonSite::GetTypeInfoCount(UINT* count) { return platform::NoTypeInfoCount(count); }

HRESULT ButtonSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) { return platform::NoTypeInfo(info); }

HRESULT ButtonSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT ButtonSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
        case DISPID_AMBIENT_BACKCOLOR:
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(WindowBackColor(parent_));
            return S_OK;
        case DISPID_AMBIENT_USERMODE:
            result->vt = VT_BOOL;
            result->boolVal = VARIANT_TRUE;
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT ButtonEvents::GetTypeInfoCount(UINT* count) { return platform::NoTypeInfoCount(count); }

HRESULT ButtonEvents::GetTypeInfo(UINT, LCID, ITypeInfo** info) { return platform::NoTypeInfo(info); }

HRESULT ButtonEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT ButtonEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    if (id != DISPID_CBUTTON_CLICK || !onClick_) return S_OK;  // the other events are not the window's concern
    // The handler may close the window, which disconnects this sink while it runs. The
    // window's handlers end their own failures; nothing else may cross into the control.
    const platform::ComPtr<ButtonEvents> keep(this);
    return platform::ResultOf([&] {
        const std::function<void()> handler = onClick_;
        handler();
        return S_OK;
    });
}

}  // namespace app::win32
