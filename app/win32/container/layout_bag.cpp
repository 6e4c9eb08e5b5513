#include "app/win32/container/layout_bag.h"

namespace app::win32 {

LayoutBag::~LayoutBag() {
    for (Entry& entry : entries_) VariantClear(&entry.value);
}

void LayoutBag::Add(const wchar_t* name, VARIANT value) { entries_.push_back({name, value}); }

HRESULT LayoutBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    if (!name || !value) return E_POINTER;
    for (Entry& entry : entries_) {
        if (CompareStringOrdinal(entry.name.c_str(), -1, name, -1, TRUE) != CSTR_EQUAL) continue;
        // The caller names the type it wants, or none for the value as stored.
        const VARTYPE wanted = value->vt;
        VariantInit(value);
        return wanted == VT_EMPTY ? VariantCopy(value, &entry.value)
                                  : VariantChangeType(value, &entry.value, 0, wanted);
    }
    return E_INVALIDARG;
}

HRESULT LayoutBag::Write(LPCOLESTR, VARIANT*) { return E_NOTIMPL; }

}  // namespace app::win32
