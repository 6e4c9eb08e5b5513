#pragma once
// Owned GDI objects and selections, undone in reverse order when they go.

#include <windows.h>

#include "platform/win32/scoped_handle.h"

namespace button {

using platform::GdiObject;

class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace button
