#pragma once
// Owners for the two Automation values that own memory: a VARIANT, cleared when it goes,
// and a BSTR, freed when it goes. Header-only, for the control library as for the program.

#include <windows.h>

#include <oleauto.h>

#include <string_view>
#include <utility>

namespace platform {

struct Variant : VARIANT {
    Variant() { VariantInit(this); }
    // A VARIANT moves as its bytes; the one left behind is empty.
    Variant(Variant&& other) noexcept : VARIANT(other) { VariantInit(&other); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(this); }
};

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::wstring_view text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(text_); }

    BSTR get() const { return text_; }
    // For out-parameters: frees the current text and receives a new one.
    BSTR* put() {
        SysFreeString(std::exchange(text_, nullptr));
        return &text_;
    }

private:
    BSTR text_ = nullptr;
};

}  // namespace platform
