#pragma once
// The container's property bag as the button's property store.

#include <windows.h>

#include <ocidl.h>

#include "button/property_store.h"

namespace button {

class BagStore final : public PropertyStore {
public:
    BagStore(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}

    std::optional<PropertyValue> Read(const std::wstring& name) override;
    void Write(const std::wstring& name, const PropertyValue& value) override;

private:
    IPropertyBag* bag_;
    IErrorLog* log_;
};

}  // namespace button
