// IDispatch through the type library, and the accessors of the dual interface _cButton.

#include "button/win32/button_object.h"
#include "button/win32/ole_font.h"
#include "button/win32/ole_picture.h"
#include "button/win32/variant_values.h"

namespace button {
namespace {

// The portable button numbers outlines and alignments as the type library does.
static_assert(Rechteck == static_cast<int>(::Rechteck) && Oval == static_cast<int>(::Oval) &&
              gerundetesRechteck == static_cast<int>(::gerundetesRechteck));
static_assert(Links == static_cast<int>(::Links) && Rechts == static_cast<int>(::Rechts));

VARIANT_BOOL AsVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

HRESULT ButtonObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT ButtonObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *info = platform::ComPtr<ITypeInfo>(typeInfo_).detach();
    return S_OK;
}

HRESULT ButtonObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    return DispGetIDsOfNames(typeInfo_.get(), names, count, ids);
}

HRESULT ButtonObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT* argumentError) {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    return DispInvoke(static_cast<_cButton*>(this), typeInfo_.get(), id, flags, params, result, exception,
                      argumentError);
}

HRESULT ButtonObject::put_ButtonEnabled(VARIANT_BOOL value) {
    return Change([&] { button_->SetButtonEnabled(value != VARIANT_FALSE); });
}

HRESULT ButtonObject::get_ButtonEnabled(VARIANT_BOOL* value) {
    return Give(value, AsVariantBool(button_->ButtonEnabled()));
}

HRESULT ButtonObject::put_ButtonPictureAlign(::BtnAlign value) {
    return Change([&] { button_->SetButtonPictureAlign(value); });
}

HRESULT ButtonObject::get_ButtonPictureAlign(::BtnAlign* value) { return Give(value, button_->ButtonPictureAlign()); }

HRESULT ButtonObject::put_ButtonBackColor(OLE_COLOR value) {
    return Change([&] { button_->SetButtonBackColor(value); });
}

HRESULT ButtonObject::get_ButtonBackColor(OLE_COLOR* value) { return Give(value, button_->ButtonBackColor()); }

HRESULT ButtonObject::put_ButtonForm(::BtnForms value) {
    return Change([&] { button_->SetButtonForm(value); });
}

HRESULT ButtonObject::get_ButtonForm(::BtnForms* value) { return Give(value, button_->ButtonForm()); }

HRESULT ButtonObject::put_ButtonCaption(BSTR value) {
    return Change([&] { button_->SetButtonCaption(std::wstring(value ? value : L"", SysStringLen(value))); });
}

HRESULT ButtonObject::get_ButtonCaption(BSTR* value) {
    if (!value) return E_POINTER;
    const std::wstring& caption = button_->ButtonCaption();
    *value = SysAllocStringLen(caption.data(), static_cast<UINT>(caption.size()));
    return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT ButtonObject::get_ButtonPicture(IPictureDisp** value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    return Guarded([&] {
        if (PictureRef picture = button_->ButtonPicture()) *value = ObjectOf(picture).query<IPictureDisp>().detach();
    });
}

HRESULT ButtonObject::putref_ButtonPicture(IPictureDisp* value) {
    return Change([&] { button_->SetButtonPicture(ToPicture(FromObject(value))); });
}

HRESULT ButtonObject::get_ButtonPictureStretch(VARIANT_BOOL* value) {
    return Give(value, AsVariantBool(button_->ButtonPictureStretch()));
}

HRESULT ButtonObject::put_ButtonPictureStretch(VARIANT_BOOL value) {
    return Change([&] { button_->SetButtonPictureStretch(value != VARIANT_FALSE); });
}

HRESULT ButtonObject::get_ButtonFont(IFontDisp** value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    return Guarded([&] { *value = ObjectOf(button_->ButtonFont()).query<IFontDisp>().detach(); });
}

HRESULT ButtonObject::putref_ButtonFont(IFontDisp* value) {
    return ChangeFont([&] { button_->SetButtonFont(AdoptFont(value)); });
}

HRESULT ButtonObject::get_ButtonFontColor(OLE_COLOR* value) { return Give(value, button_->ButtonFontColor()); }

HRESULT ButtonObject::put_ButtonFontColor(OLE_COLOR value) {
    return Change([&] { button_->SetButtonFontColor(value); });
}

// A font object the button already holds keeps its identity: handing the caption's own font
// back must not turn it into a copy.
FontRef ButtonObject::AdoptFont(IFontDisp* font) {
    for (const FontRef& held : {button_->Caption().Font(), button_->ButtonFont()}) {
        const auto* ole = dynamic_cast<const OleFont*>(held.get());
        if (font && ole && platform::SameObject(ole->Interface(), font)) return held;
    }
    return ToFont(FromObject(font));
}

}  // namespace button
