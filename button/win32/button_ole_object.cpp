// IOleObject: the container's site, verbs, extents and advise sinks.

#include "button/win32/button_object.h"
#include "button/win32/misc_status.h"
#include "button/win32/variant_values.h"
#include "platform/units.h"

namespace button {
namespace {

constexpr float kTwipsPerHimetric = platform::kTwipsPerHimetric<float>;

// One ambient property as the given type; false when the site does not answer it. A colour
// comes signed or unsigned: its bits count, which a conversion would refuse as an overflow.
bool AmbientValue(IDispatch* ambient, DISPID id, VARTYPE type, Variant& value) {
    VariantClear(&value);
    DISPPARAMS none = {};
    if (FAILED(ambient->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                               nullptr))) {
        return false;
    }
    if (type == VT_UI4 && value.vt == VT_I4) return true;
    return SUCCEEDED(VariantChangeType(&value, &value, 0, type));
}

}  // namespace

HRESULT ButtonObject::SetClientSite(IOleClientSite* site) {
    clientSite_ = platform::ComPtr<IOleClientSite>(site);
    if (site) ReadAmbientProperties(DISPID_UNKNOWN);
    return S_OK;
}

void ButtonObject::ReadAmbientProperties(DISPID which) {
    platform::ComPtr<IDispatch> ambient = clientSite_.query<IDispatch>();
    if (!ambient) return;
    Variant value;
    if ((which == DISPID_UNKNOWN || which == DISPID_AMBIENT_BACKCOLOR) &&
        AmbientValue(ambient.get(), DISPID_AMBIENT_BACKCOLOR, VT_UI4, value)) {
        ambientBackColor_ = static_cast<OleColor>(value.ulVal);
    }
    if ((which == DISPID_UNKNOWN || which == DISPID_AMBIENT_USERMODE) &&
        AmbientValue(ambient.get(), DISPID_AMBIENT_USERMODE, VT_BOOL, value)) {
        userMode_ = value.boolVal != VARIANT_FALSE;
    }
}

HRESULT ButtonObject::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = platform::ComPtr<IOleClientSite>(clientSite_).detach();
    return S_OK;
}

HRESULT ButtonObject::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT ButtonObject::Close(DWORD saveOption) {
    InPlaceDeactivate();
    if (saveOption != OLECLOSE_NOSAVE && dirty_ && clientSite_) clientSite_->SaveObject();
    return S_OK;
}

HRESULT ButtonObject::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT ButtonObject::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT ButtonObject::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT ButtonObject::GetClipboardData(DWORD, IDataObject** data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

HRESULT ButtonObject::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT position) {
    if (!clientSite_ && site) SetClientSite(site);
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
            return ActivateInPlace(false, position);
        case OLEIVERB_UIACTIVATE:
            return ActivateInPlace(true, position);
        case OLEIVERB_HIDE:
            UIDeactivate();
            if (window_.handle()) ShowWindow(window_.handle(), SW_HIDE);
            return S_OK;
        default:
            return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT ButtonObject::EnumVerbs(IEnumOLEVERB** verbs) {
    if (!verbs) return E_POINTER;
    *verbs = nullptr;
    return OLEOBJ_E_NOVERBS;
}

HRESULT ButtonObject::Update() { return S_OK; }
HRESULT ButtonObject::IsUpToDate() { return S_OK; }

HRESULT ButtonObject::GetUserClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_cButton;
    return S_OK;
}

HRESULT ButtonObject::GetUserType(DWORD, LPOLESTR* name) {
    if (name) *name = nullptr;
    return OLE_S_USEREG;
}

HRESULT ButtonObject::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    extent_ = *size;
    ResizeTo(static_cast<float>(size->cx) * kTwipsPerHimetric, static_cast<float>(size->cy) * kTwipsPerHimetric);
    return S_OK;
}

HRESULT ButtonObject::GetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = extent_;
    return S_OK;
}

HRESULT ButtonObject::Advise(IAdviseSink* sink, DWORD* connection) {
    if (!oleAdvise_) {
        const HRESULT hr = CreateOleAdviseHolder(oleAdvise_.put());
        if (FAILED(hr)) return hr;
    }
    return oleAdvise_->Advise(sink, connection);
}

HRESULT ButtonObject::Unadvise(DWORD connection) {
    return oleAdvise_ ? oleAdvise_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

HRESULT ButtonObject::EnumAdvise(IEnumSTATDATA** advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    return oleAdvise_ ? oleAdvise_->EnumAdvise(advises) : S_OK;
}

HRESULT ButtonObject::GetMiscStatus(DWORD aspect, DWORD* status) {
    if (!status) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? kButtonMiscStatus : 0;
    return S_OK;
}

HRESULT ButtonObject::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

}  // namespace button
