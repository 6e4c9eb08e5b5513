#include "button/button.h"

#include <limits>

#include "button/skip_if_refused.h"
#include "button/control_error.h"

namespace button {

cButton::cButton(Toolkit& toolkit, ButtonNotifications& host)
    : toolkit_(toolkit), host_(host), lblCaption(toolkit) {
    myFont = toolkit_.NewFont();
    myFont->SetSize(12);
    SetButtonCaption(L"cButton");
    SetButtonBackColor(kSystemWindowBackground);
    SetButtonForm(gerundetesRechteck);
    SetButtonPictureAlign(Links);
    SetButtonPictureStretch(true);
    SetButtonFont(myFont);
    SetButtonEnabled(true);
}

void cButton::SetButtonFontColor(OleColor color) {
    myColor = color;
    lblCaption.SetForeColor(color);
    host_.PropertyChanged(L"ButtonFontColor");
}

FontRef cButton::ButtonFont() {
    if (!myFont) myFont = toolkit_.NewFont();
    return myFont;
}

void cButton::SetButtonFont(FontRef font) {
    myFont = std::move(font);
    if (!myFont) myFont = toolkit_.NewFont();
    const Font& from = *myFont;
    Font& to = *lblCaption.Font();
    SkipIfRefused([&] { to.SetName(from.Name()); });
    SkipIfRefused([&] { to.SetSize(from.Size()); });
    SkipIfRefused([&] { to.SetBold(from.Bold()); });
    SkipIfRefused([&] { to.SetItalic(from.Italic()); });
    SkipIfRefused([&] { to.SetCharset(from.Charset()); });
    SkipIfRefused([&] { to.SetStrikethrough(from.Strikethrough()); });
    SkipIfRefused([&] { to.SetUnderline(from.Underline()); });
    SkipIfRefused([&] { to.SetWeight(from.Weight()); });
    lblCaption.FontChanged();
    host_.PropertyChanged(L"ButtonFont");
}

void cButton::CaptionFontChanged() { lblCaption.FontChanged(); }

void cButton::SetButtonPictureStretch(bool stretch) {
    Stretch = stretch;
    imgPicture.SetStretch(stretch);
    host_.PropertyChanged(L"ButtonPictureStretch");
}

void cButton::SetButtonPicture(PictureRef picture) {
    myPic = std::move(picture);
    imgPicture.SetPicture(myPic);
    host_.PropertyChanged(L"ButtonPicture");
}

void cButton::SetButtonCaption(std::wstring caption) {
    if (caption.size() > kMaxCaptionLength) throw ControlError(kInvalidPropertyValue);
    strCaption = std::move(caption);
    lblCaption.SetCaption(strCaption);
    host_.PropertyChanged(L"ButtonCaption");
}

void cButton::SetButtonForm(std::int32_t form) {
    ButtonF = form;
    if (form < std::numeric_limits<std::int16_t>::min() || form > std::numeric_limits<std::int16_t>::max()) {
        throw ControlError(kOverflow);
    }
    shpGround.SetOutline(static_cast<std::int16_t>(form));
    host_.PropertyChanged(L"ButtonForm");
}

void cButton::SetButtonBackColor(OleColor color) {
    theCol = color;
    shpGround.SetFillColor(color);
    host_.PropertyChanged(L"ButtonBackColor");
}

void cButton::SetButtonPictureAlign(std::int32_t align) {
    ButtonAlign = align;
    PlacePictureSide();
    host_.PropertyChanged(L"ButtonPictureAlign");
}

void cButton::SetButtonEnabled(bool enabled) {
    bolBtnEnabled = enabled;
    if (enabled) {
        shpGround.SetFillColor(theCol);
        lblCaption.SetForeColor(myColor);
        shpGround.SetBorderDrawn(true);
    } else {
        shpGround.SetFillColor(kLightGrey);
        lblCaption.SetForeColor(kGrey);
        shpGround.SetBorderDrawn(false);
    }
    host_.PropertyChanged(L"ButtonEnabled");
}

void cButton::ApplyNewInstanceDefaults() {
    SetButtonPictureAlign(ButtonAlign);
    SetButtonBackColor(theCol);
    SetButtonCaption(strCaption);
    SetButtonForm(ButtonF);
    SetButtonPicture(myPic);
    SetButtonFont(ButtonFont());
    SetButtonFontColor(myColor);
    SetButtonEnabled(bolBtnEnabled);
}

}  // namespace button
