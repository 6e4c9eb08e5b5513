#include "button/win32/bag_store.h"

#include "button/win32/check.h"
#include "button/win32/variant_values.h"

namespace button {

std::optional<PropertyValue> BagStore::Read(const std::wstring& name) {
    Variant value;
    const HRESULT hr = bag_->Read(name.c_str(), &value, log_);
    if (hr == E_INVALIDARG) return std::nullopt;  // the bag holds no value of that name
    Check(hr);
    if (value.vt == VT_UNKNOWN || value.vt == VT_DISPATCH) CheckStoredObject(value.punkVal);
    return FromVariant(value);
}

void BagStore::Write(const std::wstring& name, const PropertyValue& value) {
    Variant stored;
    ToVariant(value, &stored);
    Check(bag_->Write(name.c_str(), &stored));
}

}  // namespace button
