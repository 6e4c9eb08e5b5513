#include "button/win32/gdi_toolkit.h"

#include "button/win32/caption_font.h"
#include "button/win32/gdi_objects.h"
#include "platform/units.h"

namespace button {
FontRef GdiToolkit::NewFont() { return OleFont::CreateStandard(); }

TextExtent GdiToolkit::MeasureLine(const std::wstring& text, const Font& font) {
    const platform::ScreenDc screen(GetDC(nullptr));
    const float dpi = static_cast<float>(dpi_);
    GdiObject<HFONT> gdiFont(CreateCaptionFont(font, static_cast<double>(dpi_) / platform::kPointsPerInch));
    Selection selected(screen.get(), gdiFont.get());

    // The caption marks its access key with "&", which does not take room of its own.
    RECT extent = {};
    DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen.get(), &metrics);
    return {platform::TwipsFromPixels(static_cast<float>(extent.right - extent.left), dpi),
            platform::TwipsFromPixels(static_cast<float>(metrics.tmHeight), dpi)};
}

}  // namespace button
