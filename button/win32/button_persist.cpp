// Persistence in the container's stream or property bag. The container's stored layouts
// keep the control's size next to its properties, as "_ExtentX" and "_ExtentY" in HIMETRIC.

#include "button/property_map.h"
#include "button/win32/bag_store.h"
#include "button/win32/button_object.h"
#include "button/win32/stream_format.h"

namespace button {

void ButtonObject::SaveExtent(PropertyStore& store) {
    store.Write(L"_ExtentX", static_cast<std::int32_t>(extent_.cx));
    store.Write(L"_ExtentY", static_cast<std::int32_t>(extent_.cy));
}

void ButtonObject::RestoreExtent(PropertyStore& store) {
    const std::optional<PropertyValue> width = store.Read(L"_ExtentX");
    const std::optional<PropertyValue> height = store.Read(L"_ExtentY");
    if (!width || !height) return;
    SIZEL extent = {ToInteger(*width), ToInteger(*height)};
    if (extent.cx >= 0 && extent.cy >= 0) SetExtent(DVASPECT_CONTENT, &extent);
}

HRESULT ButtonObject::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_cButton;
    return S_OK;
}

HRESULT ButtonObject::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

HRESULT ButtonObject::InitNew() {
    const HRESULT hr = ChangeFont([&] { button_->ApplyNewInstanceDefaults(); });
    dirty_ = false;
    return hr;
}

HRESULT ButtonObject::Load(LPSTREAM stream) {
    if (!stream) return E_POINTER;
    const HRESULT hr = ChangeFont([&] {
        PropertyMap properties = LoadProperties(stream);
        RestoreExtent(properties);
        button_->RestoreFrom(properties);
    });
    dirty_ = false;
    return hr;
}

HRESULT ButtonObject::Save(LPSTREAM stream, BOOL clearDirty) {
    if (!stream) return E_POINTER;
    const HRESULT hr = Guarded([&] {
        PropertyMap properties;
        SaveExtent(properties);
        button_->SaveTo(properties);
        SaveProperties(stream, properties);
    });
    if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
    return hr;
}

HRESULT ButtonObject::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    platform::ComPtr<IStream> measure;
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, measure.put());
    if (SUCCEEDED(hr)) hr = Save(measure.get(), FALSE);
    if (FAILED(hr)) return hr;
    const LARGE_INTEGER start = {};
    return measure->Seek(start, STREAM_SEEK_CUR, size);
}

HRESULT ButtonObject::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    BagStore store(bag, log);
    const HRESULT hr = ChangeFont([&] {
        RestoreExtent(store);
        button_->RestoreFrom(store);
    });
    dirty_ = false;
    return hr;
}

HRESULT ButtonObject::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    BagStore store(bag, nullptr);
    const HRESULT hr = Guarded([&] {
        SaveExtent(store);
        button_->SaveTo(store);
    });
    if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
    return hr;
}

}  // namespace button
