#pragma once
// cButton: the push button of the control library. Its surface carries three children,
// the background shape, the caption label and the picture box; its properties drive them,
// and it saves and restores itself through its host's property store.

#include <cstddef>
#include <cstdint>
#include <string>

#include "button/label.h"
#include "button/notifications.h"
#include "button/ole_color.h"
#include "button/picture_box.h"
#include "button/property_store.h"
#include "button/shape.h"
#include "button/toolkit.h"

namespace button {

enum BtnForms : std::int32_t { Rechteck = 0, Oval = 2, gerundetesRechteck = 4 };
enum BtnAlign : std::int32_t { Links = 0, Rechts = 1 };

class cButton {
public:
    // Creates the children with their design values, then runs the initialisation.
    cButton(Toolkit& toolkit, ButtonNotifications& host);

    // Properties. Each setter stores its value, updates the children and then tells the
    // host; a failing step ends it with ControlError, the value stored and the host untold.
    OleColor ButtonFontColor() const { return myColor; }
    void SetButtonFontColor(OleColor color);
    FontRef ButtonFont();  // the template font, created when there is none
    void SetButtonFont(FontRef font);
    bool ButtonPictureStretch() const { return Stretch; }
    void SetButtonPictureStretch(bool stretch);
    PictureRef ButtonPicture() const { return myPic; }
    void SetButtonPicture(PictureRef picture);
    // The longest caption a container's stream holds and reads back; a longer one is
    // refused before it is stored.
    static constexpr std::size_t kMaxCaptionLength = 1'048'576;
    const std::wstring& ButtonCaption() const { return strCaption; }
    void SetButtonCaption(std::wstring caption);
    std::int32_t ButtonForm() const { return ButtonF; }
    void SetButtonForm(std::int32_t form);
    OleColor ButtonBackColor() const { return theCol; }
    void SetButtonBackColor(OleColor color);
    std::int32_t ButtonPictureAlign() const { return ButtonAlign; }
    void SetButtonPictureAlign(std::int32_t align);
    bool ButtonEnabled() const { return bolBtnEnabled; }
    void SetButtonEnabled(bool enabled);

    // Host notifications.
    void ApplyNewInstanceDefaults();
    void RestoreFrom(PropertyStore& store);
    void SaveTo(PropertyStore& store);
    void Resize(float width, float height);  // twips; places the children, never fails
    // The caption's own font object was changed directly, or the toolkit measures text anew.
    void CaptionFontChanged();
    float Width() const { return width_; }
    float Height() const { return height_; }

    // Input notifications.
    void Clicked();  // on the surface, the picture or the caption, or by an access key
    void KeyPressed(std::uint16_t characterCode);
    void FocusGained();
    void FocusLost();

    const Shape& Ground() const { return shpGround; }
    const Label& Caption() const { return lblCaption; }
    const PictureBox& PictureArea() const { return imgPicture; }

private:
    void PlacePictureSide();
    float NaturalPictureWidth() const;
    float NaturalPictureHeight() const;

    Toolkit& toolkit_;
    ButtonNotifications& host_;
    float width_ = 2085;  // the control's size in twips, as the host last gave it
    float height_ = 765;

    Shape shpGround;
    Label lblCaption;
    PictureBox imgPicture;

    std::wstring strCaption;
    OleColor myColor = kBlack;
    std::int32_t ButtonF = 0;
    FontRef myFont;
    OleColor theCol = 0;
    PictureRef myPic;
    bool Stretch = false;
    std::int32_t ButtonAlign = 0;
    bool bolBtnEnabled = false;
};

}  // namespace button
