#include "button/property_map.h"

#include <algorithm>

namespace button {
namespace {

// Stored names are plain ASCII identifiers; only their letters are folded.
wchar_t FoldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool SameName(const std::wstring& a, const std::wstring& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

}  // namespace

std::optional<PropertyValue> PropertyMap::Read(const std::wstring& name) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return SameName(e.first, name); });
    if (it == entries_.end()) return std::nullopt;
    return it->second;
}

void PropertyMap::Write(const std::wstring& name, const PropertyValue& value) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return SameName(e.first, name); });
    if (it == entries_.end()) {
        entries_.emplace_back(name, value);
    } else {
        it->second = value;
    }
}

}  // namespace button
