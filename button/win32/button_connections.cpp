// The button's outgoing interfaces, and its class description for hosts that sink events.

#include "button/win32/button_object.h"

#include "button/win32/enumerator.h"

namespace button {

HRESULT ButtonObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (!points) return E_POINTER;
    *points = nullptr;
    return Guarded([&] {
        *points = new ConnectionPointList({platform::ComPtr<IConnectionPoint>(&events_),
                                           platform::ComPtr<IConnectionPoint>(&propertyNotifications_)});
    });
}

HRESULT ButtonObject::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (IsEqualIID(riid, DIID___cButton)) {
        *point = &events_;
    } else if (IsEqualIID(riid, IID_IPropertyNotifySink)) {
        *point = &propertyNotifications_;
    } else {
        return CONNECT_E_NOCONNECTION;
    }
    (*point)->AddRef();
    return S_OK;
}

HRESULT ButtonObject::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    platform::ComPtr<ITypeLib> library;
    UINT index = 0;
    const HRESULT hr = typeInfo_->GetContainingTypeLib(library.put(), &index);
    return FAILED(hr) ? hr : library->GetTypeInfoOfGuid(CLSID_cButton, info);
}

HRESULT ButtonObject::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = DIID___cButton;
    return S_OK;
}

}  // namespace button
