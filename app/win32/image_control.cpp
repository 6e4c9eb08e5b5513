#include "app/win32/image_control.h"

#include "app/win32/pictures.h"

namespace app::win32 {

namespace {

LRESULT CALLBACK ImageControlProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(box, &paint);
        RECT client;
        GetClientRect(box, &client);
        DrawPicture(dc, PictureOf(box), client);
        EndPaint(box, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        ShowPicture(box, nullptr);
        break;
    default:
        break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

}  // namespace

void RegisterImageControl(HINSTANCE instance) {
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kImageControlClass, &existing)) return;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ImageControlProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kImageControlClass;
    RegisterClassExW(&windowClass);
}

void ShowPicture(HWND box, IPicture* picture) {
    if (picture) picture->AddRef();
    IPicture* previous = reinterpret_cast<IPicture*>(
        SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture)));
    if (previous) previous->Release();
    InvalidateRect(box, nullptr, TRUE);
}

IPicture* PictureOf(HWND box) { return reinterpret_cast<IPicture*>(GetWindowLongPtrW(box, GWLP_USERDATA)); }

}  // namespace app::win32
