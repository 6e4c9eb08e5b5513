#include "button/win32/gdi_toolkit.h"

#include "button/win32/caption_font.h"
#include "button/win32/gdi_objects.h"
#include "platform/units.h"

namespace button {
FontRef GdiToolkit::NewFont() {
    if (!standard_) standard_ = OleFont::CreateStandard();
    return standard_->Copy();
}

TextExtent GdiToolkit::MeasureLine(const std::wstring& text, const Font& font) {
    const platform::ScreenDc screen(GetDC(nullptr));
    const int dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
    GdiObject<HFONT> gdiFont(CreateCaptionFont(font, dpiY / static_cast<double>(platform::kPointsPerInch)));
    Selection selected(screen.get(), gdiFont.get());

    // The caption marks its access key with "&", which does not take room of its own.
    RECT extent = {};
    DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen.get(), &metrics);
    return {platform::TwipsFromPixels(static_cast<float>(extent.right - extent.left), static_cast<float>(dpiX)),
            platform::TwipsFromPixels(static_cast<float>(metrics.tmHeight), static_cast<float>(dpiY))};
}

}  // namespace button
