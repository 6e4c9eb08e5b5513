#pragma once
// An image control: a child window that shows a picture scaled to its own size.

#include <windows.h>

#include <ocidl.h>

namespace app::win32 {

// The window class; register it before creating one.
inline constexpr wchar_t kImageControlClass[] = L"Kalvex3.Picture";
void RegisterImageControl(HINSTANCE instance);

// The box keeps its own reference to the picture; none clears it.
void ShowPicture(HWND box, IPicture* picture);
IPicture* PictureOf(HWND box);

}  // namespace app::win32
