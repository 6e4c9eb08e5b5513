#pragma once
// The host's property store, in which the button saves its properties and from which it
// restores them.

#include <optional>
#include <string>

#include "button/property_value.h"

namespace button {

class PropertyStore {
public:
    virtual ~PropertyStore() = default;
    // Nothing when the store holds no value of that name. Failures are ControlError.
    virtual std::optional<PropertyValue> Read(const std::wstring& name) = 0;
    virtual void Write(const std::wstring& name, const PropertyValue& value) = 0;
};

}  // namespace button
