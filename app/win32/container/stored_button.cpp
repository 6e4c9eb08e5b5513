#include "app/win32/container/stored_button.h"

#include <olectl.h>

#include <string_view>
#include <utility>

#include "app/win32/com_error.h"
#include "app/win32/container/layout_bag.h"
#include "app/win32/pictures.h"
#include "platform/units.h"

namespace app::win32 {

namespace {

using platform::ComPtr;

// What the control takes for a value that the layout leaves out.
constexpr BtnForms kDefaultForm = Rechteck;
constexpr std::uint32_t kDefaultBackColor = 0xFFFFFF;
constexpr wchar_t kDefaultCaption[] = L"cButton";
constexpr std::uint32_t kDefaultFontColor = 0;

platform::Variant Number(std::int32_t value) {
    platform::Variant v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

platform::Variant Object(ComPtr<IDispatch> object) {
    platform::Variant v;
    v.vt = VT_DISPATCH;
    v.pdispVal = object.detach();
    return v;
}

ComPtr<IDispatch> CaptionFont(int hundredths) {
    FONTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.lpstrName = const_cast<LPOLESTR>(L"MS Sans Serif");
    description.cySize.int64 = static_cast<LONGLONG>(hundredths) * 100;  // currency: 1/10000 point
    description.sWeight = FW_NORMAL;
    description.sCharset = ANSI_CHARSET;
    ComPtr<IDispatch> font;
    const HRESULT hr =
        OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(font.put()));
    if (FAILED(hr)) RaiseAutomationError(hr);
    return font;
}

}  // namespace

ComPtr<IPropertyBag> StoredLayout(HINSTANCE instance, const StoredButton& button, int widthTwips, int heightTwips,
                                  int iconPixels) {
    ComPtr<LayoutBag> bag;
    bag.attach(new LayoutBag);
    bag->Add(L"_extentx", Number(platform::HimetricFromTwips(widthTwips)));
    bag->Add(L"_extenty", Number(platform::HimetricFromTwips(heightTwips)));
    if (button.form != kDefaultForm) bag->Add(L"buttonform", Number(button.form));
    if (button.backColor != kDefaultBackColor)
        bag->Add(L"buttonbackcolor", Number(static_cast<std::int32_t>(button.backColor)));
    if (std::wstring_view(button.caption) != kDefaultCaption) {
        platform::Variant caption;
        caption.vt = VT_BSTR;
        caption.bstrVal = SysAllocString(button.caption);
        if (!caption.bstrVal) RaiseAutomationError(E_OUTOFMEMORY);
        bag->Add(L"buttoncaption", std::move(caption));
    }
    if (button.pictureIcon) {
        bag->Add(L"buttonpicture", Object(IconPicture(instance, button.pictureIcon, iconPixels).query<IDispatch>()));
    }
    bag->Add(L"buttonfont", Object(CaptionFont(button.fontHundredths)));
    if (button.fontColor != kDefaultFontColor)
        bag->Add(L"buttonfontcolor", Number(static_cast<std::int32_t>(button.fontColor)));
    if (!button.pictureStretch) {
        platform::Variant stretch;
        stretch.vt = VT_BOOL;
        stretch.boolVal = VARIANT_FALSE;
        bag->Add(L"buttonpicturestretch", std::move(stretch));
    }
    return bag.query<IPropertyBag>();
}

}  // namespace app::win32
