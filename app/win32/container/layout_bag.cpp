#include "app/win32/container/layout_bag.h"

namespace app::win32 {

void LayoutBag::Add(const wchar_t* name, platform::Variant value) { entries_.emplace_back(name, std::move(value)); }

HRESULT LayoutBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    if (!name || !value) return E_POINTER;
    for (auto& [entryName, entryValue] : entries_) {
        if (CompareStringOrdinal(entryName.c_str(), -1, name, -1, TRUE) != CSTR_EQUAL) continue;
        // The caller names the type it wants, or none for the value as stored.
        const VARTYPE wanted = value->vt;
        VariantInit(value);
        return wanted == VT_EMPTY ? VariantCopy(value, &entryValue) : VariantChangeType(value, &entryValue, 0, wanted);
    }
    return E_INVALIDARG;
}

HRESULT LayoutBag::Write(LPCOLESTR, VARIANT*) { return E_NOTIMPL; }

}  // namespace app::win32
