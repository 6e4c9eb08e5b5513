#pragma once
// An image control: a child window that shows a bitmap made at its own size.

#include <windows.h>

#include <string>

#include "app/win32/pictures.h"

namespace app::win32 {

// The window class; register it before creating one.
inline constexpr wchar_t kImageControlClass[] = L"Kalvex3.Picture";
void RegisterImageControl(HINSTANCE instance);

// The box keeps the bitmap; an empty one clears it.
void ShowPicture(HWND box, platform::Bitmap picture);
// The box decodes the picture file at its own size when it is first painted, so that a big
// photo does not hold back the window that shows it. When the file does not decode, the
// box stays empty and tells its parent through WM_COMMAND with this notification code.
inline constexpr WORD kPictureNotShown = 1;
void ShowPictureWhenPainted(HWND box, std::wstring path);
HBITMAP PictureOf(HWND box);

}  // namespace app::win32
