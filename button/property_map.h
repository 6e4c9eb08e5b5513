#pragma once
// A property store held in memory, in the order the values were written. Names are looked
// up without regard to case, since hosts store them in their own spelling ("buttonform").

#include <utility>
#include <vector>

#include "button/property_store.h"

namespace button {

class PropertyMap final : public PropertyStore {
public:
    using Entry = std::pair<std::wstring, PropertyValue>;

    std::optional<PropertyValue> Read(const std::wstring& name) override;
    void Write(const std::wstring& name, const PropertyValue& value) override;  // replaces a value of that name

    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

}  // namespace button
