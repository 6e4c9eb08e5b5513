#include "button/win32/gdi_toolkit.h"

#include "button/win32/caption_font.h"
#include "button/win32/gdi_objects.h"
#include "button/win32/ole_font.h"

namespace button {
namespace {

constexpr float kTwipsPerInch = 1440;

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

FontRef GdiToolkit::NewFont() { return OleFont::CreateStandard(); }

TextExtent GdiToolkit::MeasureLine(const std::wstring& text, const Font& font) {
    ScreenDc screen;
    const int dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
    GdiObject<HFONT> gdiFont(CreateCaptionFont(font, dpiY / 72.0));
    Selection selected(screen.get(), gdiFont.get());

    // The caption marks its access key with "&", which does not take room of its own.
    RECT extent = {};
    DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen.get(), &metrics);
    return {static_cast<float>(extent.right - extent.left) * kTwipsPerInch / static_cast<float>(dpiX),
            static_cast<float>(metrics.tmHeight) * kTwipsPerInch / static_cast<float>(dpiY)};
}

}  // namespace button
