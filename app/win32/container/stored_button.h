#pragma once
// A cButton as a window's stored layout keeps it.

#include <windows.h>

#include <ocidl.h>

#include <cstdint>

#include "Vantor1_h.h"
#include "platform/win32/com_ptr.h"

namespace app::win32 {

// The control's outlines and colours, as it numbers them.
inline constexpr BtnForms kRectangle = Rechteck;
inline constexpr BtnForms kRoundedRectangle = gerundetesRechteck;
inline constexpr std::uint32_t kWindowBackground = 0x80000005;
inline constexpr std::uint32_t kTooltipBackground = 0x80000018;
inline constexpr std::uint32_t kButtonText = 0x80000012;
inline constexpr std::uint32_t kBlack = 0;

struct StoredButton {
    const wchar_t* caption;
    BtnForms form;            // ButtonForm
    std::uint32_t backColor;  // ButtonBackColor, an OLE colour
    std::uint32_t fontColor;  // ButtonFontColor, an OLE colour
    int pictureIcon;          // the icon resource of ButtonPicture; 0 for none
    bool pictureStretch;      // ButtonPictureStretch
    int fontHundredths;       // ButtonFont: "MS Sans Serif", weight 400, this size in 1/100 point
};

// The property bag the control restores itself from: the layout's values under their
// lower-case names, only those that differ from what the control assumes for a missing
// one, next to the extent in HIMETRIC. Pictures are made at iconPixels.
platform::ComPtr<IPropertyBag> StoredLayout(HINSTANCE instance, const StoredButton& button, int widthTwips,
                                            int heightTwips, int iconPixels);

}  // namespace app::win32
