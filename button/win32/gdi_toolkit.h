#pragma once
// The button's toolkit on Windows: standard OLE font objects, and text measured with GDI
// on the screen.

#include "button/toolkit.h"

namespace button {

class GdiToolkit final : public Toolkit {
public:
    FontRef NewFont() override;
    TextExtent MeasureLine(const std::wstring& text, const Font& font) override;
};

}  // namespace button
