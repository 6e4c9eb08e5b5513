#pragma once
// Draws a button with GDI: the background, then the shape, the picture and the caption,
// with the control's size in twips mapped onto the given rectangle.

#include <windows.h>

#include "button/button.h"

namespace button {

// outside: the colour around a rounded or oval outline, the container's back colour.
void PaintButton(HDC dc, const RECT& bounds, const cButton& button, OleColor outside = kLightGrey);

// An OLE colour as an RGB value; system colours are resolved, invalid colours are black.
COLORREF ResolveColor(OleColor color);

}  // namespace button
