#pragma once
// The button's toolkit on Windows: standard OLE font objects, and text measured with GDI
// at the dots per inch of the window the button is placed in.

#include <windows.h>

#include <utility>

#include "button/toolkit.h"
#include "button/win32/ole_font.h"
#include "platform/win32/dpi.h"

namespace button {

class GdiToolkit final : public Toolkit {
public:
    FontRef NewFont() override;
    TextExtent MeasureLine(const std::wstring& text, const Font& font) override;
    // Whether that changes the measure: the caption then needs fitting anew.
    bool MeasureAt(UINT dpi) { return dpi_ != std::exchange(dpi_, dpi); }

private:
    UINT dpi_ = platform::SystemDpi();  // until the button has a container's window
};

}  // namespace button
