#include "app/win32/image_control.h"

#include <exception>
#include <string>
#include <utility>

#include "platform/win32/scoped_handle.h"
#include "platform/win32/window.h"

namespace app::win32 {

namespace {

// Made by each window of the class as it is created; the bitmap goes with the window.
class ImageControl final : public platform::Window {
public:
    static ImageControl& Of(HWND box) { return *static_cast<ImageControl*>(From(box)); }

    void Show(platform::Bitmap picture) {
        picture_ = std::move(picture);
        pending_.clear();
        InvalidateRect(handle(), nullptr, TRUE);
    }
    void ShowWhenPainted(std::wstring path) {
        picture_ = platform::Bitmap();
        pending_ = std::move(path);
        InvalidateRect(handle(), nullptr, TRUE);
    }
    HBITMAP Picture() const { return picture_.get(); }

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_PAINT) return Window::Handle(message, wParam, lParam);
        bool notShown = false;
        if (!pending_.empty()) {
            RECT box;
            GetClientRect(handle(), &box);
            try {
                picture_ = PreviewBitmap(std::exchange(pending_, {}), box.right, box.bottom);
            } catch (const std::exception&) {  // nothing may leave a window procedure
                notShown = true;
            }
        }
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(handle(), &paint);
        BITMAP size = {};
        if (picture_.get() && GetObjectW(picture_.get(), sizeof size, &size)) {
            // Made at the box's size: copied pixel for pixel, never stretched by the device.
            const platform::MemoryDc source(CreateCompatibleDC(dc));
            HGDIOBJ previous = SelectObject(source.get(), picture_.get());
            BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
            SelectObject(source.get(), previous);
        }
        EndPaint(handle(), &paint);
        if (notShown)
            SendMessageW(GetParent(handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle()), kPictureNotShown),
                         reinterpret_cast<LPARAM>(handle()));
        return 0;
    }

    platform::Bitmap picture_;
    std::wstring pending_;  // the file to decode at the next paint
};

}  // namespace

void RegisterImageControl(HINSTANCE instance) {
    platform::Window::Register<ImageControl>(instance,
                                             {kImageControlClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))});
}

void ShowPicture(HWND box, platform::Bitmap picture) { ImageControl::Of(box).Show(std::move(picture)); }

void ShowPictureWhenPainted(HWND box, std::wstring path) { ImageControl::Of(box).ShowWhenPainted(std::move(path)); }

HBITMAP PictureOf(HWND box) { return ImageControl::Of(box).Picture(); }

}  // namespace app::win32
