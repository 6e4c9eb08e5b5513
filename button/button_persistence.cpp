// Saving to and restoring from the host's property store. A value equal to its default is
// not written, and a name the store does not hold yields its default.

#include <optional>

#include "button/button.h"

namespace button {
namespace {

std::int32_t AsStored(OleColor color) { return static_cast<std::int32_t>(color); }
OleColor AsColor(std::int32_t stored) { return static_cast<OleColor>(stored); }

void WriteUnlessDefault(PropertyStore& store, const std::wstring& name, const PropertyValue& value,
                        const PropertyValue& fallback) {
    if (!SameValue(value, fallback)) store.Write(name, value);
}

PropertyValue ReadOrDefault(PropertyStore& store, const std::wstring& name, PropertyValue fallback) {
    std::optional<PropertyValue> stored = store.Read(name);
    return stored ? std::move(*stored) : std::move(fallback);
}

}  // namespace

void cButton::SaveTo(PropertyStore& store) {
    WriteUnlessDefault(store, L"ButtonForm", ButtonF, std::int32_t{0});
    WriteUnlessDefault(store, L"ButtonBackColor", AsStored(theCol), AsStored(kWhite));
    WriteUnlessDefault(store, L"ButtonCaption", strCaption, std::wstring(L"cButton"));
    WriteUnlessDefault(store, L"ButtonPicture", myPic ? PropertyValue(myPic) : NoObject{}, NoObject{});
    WriteUnlessDefault(store, L"ButtonFont", ButtonFont(), lblCaption.Font());
    WriteUnlessDefault(store, L"ButtonFontColor", AsStored(myColor), std::int32_t{0});
    WriteUnlessDefault(store, L"ButtonPictureAlign", ButtonAlign, std::int32_t{0});
    WriteUnlessDefault(store, L"ButtonPictureStretch", Stretch, true);
    WriteUnlessDefault(store, L"ButtonEnabled", bolBtnEnabled, true);
}

void cButton::RestoreFrom(PropertyStore& store) {
    SetButtonForm(ToInteger(ReadOrDefault(store, L"ButtonForm", std::int32_t{0})));
    SetButtonBackColor(AsColor(ToInteger(ReadOrDefault(store, L"ButtonBackColor", AsStored(kWhite)))));
    SetButtonCaption(ToText(ReadOrDefault(store, L"ButtonCaption", std::wstring(L"cButton"))));
    SetButtonPicture(ToPicture(ReadOrDefault(store, L"ButtonPicture", NoObject{})));
    SetButtonFont(ToFont(ReadOrDefault(store, L"ButtonFont", lblCaption.Font())));
    SetButtonFontColor(
        AsColor(ToInteger(ReadOrDefault(store, L"ButtonFontColor", AsStored(lblCaption.ForeColor())))));
    SetButtonPictureAlign(ToInteger(ReadOrDefault(store, L"ButtonPictureAlign", std::int32_t{0})));
    SetButtonPictureStretch(ToBoolean(ReadOrDefault(store, L"ButtonPictureStretch", true)));
    SetButtonEnabled(ToBoolean(ReadOrDefault(store, L"ButtonEnabled", true)));
}

}  // namespace button
