#pragma once
// A window's stored layout of one control, as the property bag from which the control
// restores itself. Names are found without regard to case.

#include <windows.h>

#include <ocidl.h>

#include <string>
#include <vector>

#include "platform/win32/com_object.h"

namespace app::win32 {

class LayoutBag final : public platform::ComObject<platform::Implements<IPropertyBag>> {
public:
    LayoutBag() = default;

    // The bag owns the value from here on.
    void Add(const wchar_t* name, VARIANT value);

    // A name the layout does not hold is E_INVALIDARG, as the control expects of a missing value.
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    // A stored layout is only read.
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;

private:
    ~LayoutBag();

    struct Entry {
        std::wstring name;
        VARIANT value;
    };
    std::vector<Entry> entries_;
};

}  // namespace app::win32
