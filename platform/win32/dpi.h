#pragma once
// The dots per inch that a window is laid out and drawn at, in one place for the program's
// windows and for the buttons that containers place in theirs. Windows 7 knows only the
// system's dots per inch; what later versions add for each window is looked up at run time,
// so that one binary runs on both.

#include <windows.h>

namespace platform {

// The system's: that of every window on Windows 7, and of windows that follow no monitor.
UINT SystemDpi();

// The window's: as a WM_DPICHANGED last told it, else as Windows 10 reports it, else as its
// device context does; the system's for no window or one that is gone. Windows 8.1 sends
// WM_DPICHANGED but has no way to ask for a window's dots per inch, so what the message said
// is kept with the window, where a control of another module placed in it finds it too.
UINT WindowDpi(HWND window);
void RecordWindowDpi(HWND window, UINT dpi);
void ForgetWindowDpi(HWND window);  // before the window is destroyed

// Grows a client rectangle to the window rectangle around it, the frame measured at dpi;
// Windows 7 measures it at the system's, the only one it has.
bool AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace platform
