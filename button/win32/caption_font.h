#pragma once
// A GDI font with a font object's attributes, for drawing or measuring the caption.

#include <windows.h>

#include "button/font.h"

namespace button {

// pixelsPerPoint: how many device pixels a point spans on the target (dots per inch / 72).
// Falls back to the system's GUI font when the font object cannot be read.
HFONT CreateCaptionFont(const Font& font, double pixelsPerPoint);

}  // namespace button
