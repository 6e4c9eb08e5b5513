#include "button/win32/variant_values.h"

#include <olectl.h>

#include "button/control_error.h"
#include "button/win32/check.h"
#include "button/win32/ole_font.h"
#include "button/win32/ole_picture.h"

namespace button {

PropertyValue FromObject(IUnknown* object) {
    if (!object) return NoObject{};
    platform::ComPtr<IUnknown> unknown(object);
    if (platform::ComPtr<IFont> font = unknown.query<IFont>()) return FontRef(std::make_shared<OleFont>(font));
    if (platform::ComPtr<IPicture> picture = unknown.query<IPicture>()) {
        return PictureRef(std::make_shared<OlePicture>(picture));
    }
    throw ControlError(kTypeMismatch);
}

platform::ComPtr<IDispatch> ObjectOf(const PropertyValue& value) {
    if (const auto* font = std::get_if<FontRef>(&value)) {
        const auto* ole = dynamic_cast<const OleFont*>(font->get());
        if (ole) return platform::ComPtr<IFont>(ole->Interface()).query<IDispatch>();
    }
    if (const auto* picture = std::get_if<PictureRef>(&value)) {
        const auto* ole = dynamic_cast<const OlePicture*>(picture->get());
        if (ole) return platform::ComPtr<IPicture>(ole->Interface()).query<IDispatch>();
    }
    if (std::holds_alternative<NoObject>(value)) return nullptr;
    throw ControlError(kTypeMismatch);
}

platform::ComPtr<IUnknown> LoadStoredObject(IStream* stream) {
    CLSID stored = {};
    Check(ReadClassStm(stream, &stored));
    platform::ComPtr<IPersistStream> object;
    if (IsEqualCLSID(stored, CLSID_StdFont)) {
        object = platform::ComPtr<IFont>(OleFont::CreateStandard()->Interface()).query<IPersistStream>();
    } else if (IsEqualCLSID(stored, CLSID_StdPicture)) {
        Check(OleCreatePictureIndirect(nullptr, IID_IPersistStream, TRUE, reinterpret_cast<void**>(object.put())));
    } else {
        throw ControlError(kInvalidPropertyValue);
    }
    if (!object) Check(E_NOINTERFACE);
    Check(object->Load(stream));
    return object.query<IUnknown>();
}

void CheckStoredObject(IUnknown* object) {
    if (!object) return;
    const platform::ComPtr<IPersist> persist = platform::ComPtr<IUnknown>(object).query<IPersist>();
    CLSID stored = {};
    if (!persist || FAILED(persist->GetClassID(&stored)) ||
        !(IsEqualCLSID(stored, CLSID_StdFont) || IsEqualCLSID(stored, CLSID_StdPicture)))
        throw ControlError(kInvalidPropertyValue);
}

PropertyValue FromVariant(const VARIANT& value) {
    switch (value.vt) {
        case VT_BOOL:
            return value.boolVal != VARIANT_FALSE;
        case VT_BSTR:
            return std::wstring(value.bstrVal ? value.bstrVal : L"", value.bstrVal ? SysStringLen(value.bstrVal) : 0);
        case VT_DISPATCH:
        case VT_UNKNOWN:
            return FromObject(value.punkVal);
        case VT_EMPTY:
            return NoObject{};
        default: {
            Variant number;
            const HRESULT hr = VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4);
            if (hr == DISP_E_OVERFLOW) throw ControlError(kOverflow);
            if (FAILED(hr)) throw ControlError(kTypeMismatch);
            return static_cast<std::int32_t>(number.lVal);
        }
    }
}

void ToVariant(const PropertyValue& value, VARIANT* out) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        out->vt = VT_I4;
        out->lVal = *number;
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        out->vt = VT_BOOL;
        out->boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* text = std::get_if<std::wstring>(&value)) {
        BSTR copy = SysAllocStringLen(text->data(), static_cast<UINT>(text->size()));
        if (!copy) Check(E_OUTOFMEMORY);
        out->vt = VT_BSTR;
        out->bstrVal = copy;
    } else if (std::holds_alternative<NoObject>(value)) {
        out->vt = VT_EMPTY;
    } else {
        out->vt = VT_DISPATCH;
        out->pdispVal = ObjectOf(value).detach();
    }
}

}  // namespace button
