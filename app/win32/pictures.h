#pragma once
// Pictures as the system's standard picture objects: from the program's resources, from
// the user's files, and drawn into a window.

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "platform/win32/com_ptr.h"

namespace app::win32 {

// An icon of the program's resources at the given size in pixels.
platform::ComPtr<IPicture> IconPicture(HINSTANCE instance, int icon, int size);
// A picture file (JPEG, GIF, BMP) kept as a data resource.
platform::ComPtr<IPicture> ResourcePicture(HINSTANCE instance, int resource);
// A JPEG, GIF or BMP file. A file that cannot be read raises the file error that the
// system reports; content that is no picture raises "Invalid picture".
platform::ComPtr<IPicture> LoadPictureFile(const std::wstring& path);
// Draws the picture scaled to fill the rectangle.
void DrawPicture(HDC dc, IPicture* picture, const RECT& at);

}  // namespace app::win32
