#include "app/win32/pictures.h"

#include <cstring>
#include <string>

#include "app/win32/com_error.h"
#include "error/error.h"
#include "platform/win32/last_error.h"

namespace app::win32 {

namespace {

using platform::ComPtr;

constexpr std::int32_t kInvalidPicture = 481;

// The picture in these bytes; nothing when they hold no picture the system can read.
ComPtr<IPicture> PictureFromBytes(const void* bytes, DWORD size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (!memory) errors::Raise(errors::RuntimeError::OutOfMemory);
    if (size) {
        std::memcpy(GlobalLock(memory), bytes, size);
        GlobalUnlock(memory);
    }
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.put()))) {
        GlobalFree(memory);
        errors::Raise(errors::RuntimeError::OutOfMemory);
    }
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.put()))))
        return nullptr;
    return picture;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

ComPtr<IPicture> IconPicture(HINSTANCE instance, int icon, int size) {
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_ICON;
    description.icon.hicon =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (!description.icon.hicon) errors::Raise(errors::RuntimeError::FileNotFound, static_cast<std::int32_t>(GetLastError()));
    ComPtr<IPicture> picture;
    // The picture object owns the icon from here on.
    const HRESULT hr = OleCreatePictureIndirect(&description, IID_IPicture, TRUE,
                                                reinterpret_cast<void**>(picture.put()));
    if (FAILED(hr)) {
        DestroyIcon(description.icon.hicon);
        RaiseAutomationError(hr);
    }
    return picture;
}

ComPtr<IPicture> ResourcePicture(HINSTANCE instance, int resource) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resource), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    if (!loaded) errors::Raise(errors::RuntimeError::FileNotFound, static_cast<std::int32_t>(GetLastError()));
    ComPtr<IPicture> picture = PictureFromBytes(LockResource(loaded), SizeofResource(instance, found));
    if (!picture) errors::Raise(kInvalidPicture, errors::kRuntimeSource, L"Invalid picture");
    return picture;
}

ComPtr<IPicture> LoadPictureFile(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) platform::RaiseLastError();
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size)) platform::RaiseLastError();
    if (size.QuadPart >= MAXDWORD) errors::Raise(errors::RuntimeError::OutOfMemory);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) platform::RaiseLastError();
    bytes.resize(got);
    ComPtr<IPicture> picture = PictureFromBytes(bytes.data(), got);
    if (!picture) errors::Raise(kInvalidPicture, errors::kRuntimeSource, L"Invalid picture");
    return picture;
}

void DrawPicture(HDC dc, IPicture* picture, const RECT& at) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (!picture || FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return;
    // Picture coordinates run upwards: start at the bottom edge with a negative height.
    picture->Render(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, 0, height, width, -height, nullptr);
}

}  // namespace app::win32
