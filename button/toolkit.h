#pragma once
// What the button needs from the platform's drawing toolkit: new standard font objects,
// and the size of one line of text, which the caption label fits itself to.

#include <string>

#include "button/font.h"

namespace button {

struct TextExtent {
    float width = 0;   // twips
    float height = 0;  // twips
};

class Toolkit {
public:
    virtual ~Toolkit() = default;
    virtual FontRef NewFont() = 0;
    virtual TextExtent MeasureLine(const std::wstring& text, const Font& font) = 0;
};

}  // namespace button
