#pragma once
// Pictures as the system's standard picture objects: from the program's resources, from
// the user's files, and drawn into a window.

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <string>

namespace app::win32 {

using Microsoft::WRL::ComPtr;

// An icon of the program's resources at the given size in pixels.
ComPtr<IPicture> IconPicture(HINSTANCE instance, int icon, int size);
// A picture file (JPEG, GIF, BMP) kept as a data resource.
ComPtr<IPicture> ResourcePicture(HINSTANCE instance, int resource);
// A JPEG, GIF or BMP file. A file that cannot be read raises the file error that the
// system reports; content that is no picture raises "Invalid picture".
ComPtr<IPicture> LoadPictureFile(const std::wstring& path);
// Draws the picture scaled to fill the rectangle.
void DrawPicture(HDC dc, IPicture* picture, const RECT& at);

}  // namespace app::win32
