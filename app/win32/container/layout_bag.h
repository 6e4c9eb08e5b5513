#pragma once
// A window's stored layout of one control, as the property bag from which the control
// restores itself. Names are found without regard to case.

#include <windows.h>

#include <ocidl.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/com_object.h"
#include "platform/win32/scoped_variant.h"

namespace app::win32 {

class LayoutBag final : public platform::ComObject<platform::Implements<IPropertyBag>> {
public:
    LayoutBag() = default;

    void Add(const wchar_t* name, platform::Variant value);

    // A name the layout does not hold is E_INVALIDARG, as the control expects of a missing value.
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    // A stored layout is only read.
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;

private:
    ~LayoutBag() override = default;

    std::vector<std::pair<std::wstring, platform::Variant>> entries_;
};

}  // namespace app::win32
