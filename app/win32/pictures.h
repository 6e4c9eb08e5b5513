#pragma once
// Pictures as the system's standard picture objects: from the program's resources, from
// the user's files, and drawn into a window.

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <utility>

#include "platform/win32/com_ptr.h"
#include "platform/win32/scoped_handle.h"

namespace app::win32 {

// An icon of the program's resources at the given size in pixels.
platform::ComPtr<IPicture> IconPicture(HINSTANCE instance, int icon, int size);
// A picture file (JPEG, GIF, BMP) kept as a data resource.
platform::ComPtr<IPicture> ResourcePicture(HINSTANCE instance, int resource);

// A JPEG, GIF or BMP file at the given size in pixels, as a top-down 32-bit bitmap with
// transparent parts on white; the file is read once. A file that cannot be opened raises
// the file error that the system reports; a file too big for a picture within the pixel
// limit, one whose header names no size or a size beyond the limit (of a GIF, any frame's
// too), one that does not decode or that the memory at hand cannot hold raises "Invalid
// picture".
platform::Bitmap PreviewBitmap(const std::wstring& path, int width, int height);
// Raises what PreviewBitmap would for the file's size and its header, reading the header only.
void CheckPictureFile(const std::wstring& path);
// Draws the picture scaled to fill the rectangle.
void DrawPicture(HDC dc, IPicture* picture, const RECT& at);

}  // namespace app::win32
