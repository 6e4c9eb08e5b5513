#include "app/win32/image_control.h"

#include "app/win32/pictures.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/window.h"

namespace app::win32 {

namespace {

// Made by each window of the class as it is created; the picture goes with the window.
class ImageControl final : public platform::Window {
public:
    static ImageControl& Of(HWND box) { return *static_cast<ImageControl*>(From(box)); }

    void Show(IPicture* picture) {
        picture_ = platform::ComPtr<IPicture>(picture);
        InvalidateRect(handle(), nullptr, TRUE);
    }
    IPicture* Picture() const { return picture_.get(); }

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_PAINT) return Window::Handle(message, wParam, lParam);
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(handle(), &paint);
        RECT client;
        GetClientRect(handle(), &client);
        DrawPicture(dc, picture_.get(), client);
        EndPaint(handle(), &paint);
        return 0;
    }

    platform::ComPtr<IPicture> picture_;
};

}  // namespace

void RegisterImageControl(HINSTANCE instance) {
    platform::Window::Register<ImageControl>(instance,
                                             {kImageControlClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))});
}

void ShowPicture(HWND box, IPicture* picture) { ImageControl::Of(box).Show(picture); }

IPicture* PictureOf(HWND box) { return ImageControl::Of(box).Picture(); }

}  // namespace app::win32
