#pragma once
// The button's toolkit on Windows: standard OLE font objects, and text measured with GDI
// on the screen.

#include "button/toolkit.h"
#include "button/win32/ole_font.h"

namespace button {

class GdiToolkit final : public Toolkit {
public:
    FontRef NewFont() override;
    TextExtent MeasureLine(const std::wstring& text, const Font& font) override;

private:
    // Creating a standard font object looks its class up in the registry each time, and
    // a button needs several; copies of one are the same new font objects for less. The
    // button's own, not the process's: a font object belongs to the apartment that made it.
    std::shared_ptr<OleFont> standard_;
};

}  // namespace button
