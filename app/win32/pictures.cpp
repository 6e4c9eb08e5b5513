#include "app/win32/pictures.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/area_resampler.h"
#include "app/picture_preview.h"

#include "app/win32/com_error.h"
#include "exception/error.h"
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

[[noreturn]] void RaiseInvalidPicture() { errors::Raise(kInvalidPicture, errors::kRuntimeSource, L"Invalid picture"); }

// The picture file, opened for reading; one beyond the biggest that a picture within the
// pixel limit needs is refused before anything of it is read.
struct PictureFile {
    explicit PictureFile(const std::wstring& path)
        : handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr)) {
        if (!handle.valid()) platform::RaiseLastError();
        LARGE_INTEGER length = {};
        if (!GetFileSizeEx(handle.get(), &length)) platform::RaiseLastError();
        if (static_cast<std::uint64_t>(length.QuadPart) > app::kMaxPictureFileBytes) RaiseInvalidPicture();
        size = static_cast<std::size_t>(length.QuadPart);
    }
    std::size_t Read(std::uint64_t offset, std::span<std::uint8_t> into) const {
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        if (!ReadFile(handle.get(), into.data(), static_cast<DWORD>(into.size()), &got, &at) &&
            GetLastError() != ERROR_HANDLE_EOF)
            platform::RaiseLastError();
        return got;
    }

    platform::FileHandle handle;
    std::size_t size = 0;
};

// What making runs fails as "Invalid picture" when memory runs out too: a picture too big
// for the memory at hand is as unshowable as a damaged one, never a failure of the program.
template <class Making>
auto MakingPicture(Making making) {
    try {
        return making();
    } catch (const std::bad_alloc&) {
        RaiseInvalidPicture();
    }
}

platform::Bitmap BitmapOf(const std::vector<std::uint8_t>& pixels, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as the rows come
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.get()) RaiseInvalidPicture();
    std::memcpy(bits, pixels.data(), pixels.size());
    return bitmap;
}

void FailAsInvalidPicture(HRESULT hr) {
    if (FAILED(hr)) RaiseInvalidPicture();
}

// The picture through the imaging component, at the preview's size.
std::vector<std::uint8_t> Decoded(std::vector<std::uint8_t>& bytes, std::uint32_t width, std::uint32_t height) {
    ComPtr<IWICImagingFactory> factory;
    const HRESULT created = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put()));
    if (FAILED(created)) RaiseAutomationError(created);
    ComPtr<IWICStream> stream;
    FailAsInvalidPicture(factory->CreateStream(stream.put()));
    FailAsInvalidPicture(stream->InitializeFromMemory(bytes.data(), static_cast<DWORD>(bytes.size())));
    ComPtr<IWICBitmapDecoder> decoder;
    FailAsInvalidPicture(
        factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.put()));
    ComPtr<IWICBitmapFrameDecode> frame;
    FailAsInvalidPicture(decoder->GetFrame(0, frame.put()));
    UINT sourceWidth = 0, sourceHeight = 0;
    FailAsInvalidPicture(frame->GetSize(&sourceWidth, &sourceHeight));
    if (!app::IsShowableSize({sourceWidth, sourceHeight})) RaiseInvalidPicture();
    ComPtr<IWICFormatConverter> converter;
    FailAsInvalidPicture(factory->CreateFormatConverter(converter.put()));
    FailAsInvalidPicture(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                               nullptr, 0.0, WICBitmapPaletteTypeCustom));

    // A few rows at a time: the preview never needs a full-size copy of the picture. (The
    // imaging component's own scaler is not used: Wine's ignores the interpolation mode and
    // picks the nearest pixel, which drops rows and columns.)
    app::AreaResampler resampler(sourceWidth, sourceHeight, width, height);
    constexpr UINT kStripRows = 16;
    const UINT stride = sourceWidth * 4;
    std::vector<std::uint8_t> strip(std::size_t{stride} * std::min(kStripRows, sourceHeight));
    for (UINT top = 0; top < sourceHeight; top += kStripRows) {
        const UINT rows = std::min(kStripRows, sourceHeight - top);
        const WICRect rect = {0, static_cast<INT>(top), static_cast<INT>(sourceWidth), static_cast<INT>(rows)};
        FailAsInvalidPicture(converter->CopyPixels(&rect, stride, stride * rows, strip.data()));
        for (UINT row = 0; row < rows; ++row) {
            std::uint8_t* pixel = strip.data() + std::size_t{row} * stride;
            // Premultiplied colours: adding the missing coverage puts them on white.
            for (UINT x = 0; x < sourceWidth; ++x, pixel += 4)
                for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>(std::min(255, pixel[c] + 255 - pixel[3]));
            resampler.AddRow(strip.data() + std::size_t{row} * stride);
        }
    }
    std::vector<std::uint8_t> pixels(std::size_t{width} * height * 4);
    resampler.CopyTo(pixels.data());
    return pixels;
}

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

void CheckPictureFile(const std::wstring& path) {
    MakingPicture([&] {
        const PictureFile file(path);
        const std::optional<app::PictureSize> declared =
            app::ReadPictureSize([&](std::uint64_t offset, std::span<std::uint8_t> into) { return file.Read(offset, into); });
        if (!declared || !app::IsShowableSize(*declared)) RaiseInvalidPicture();
    });
}

platform::Bitmap PreviewBitmap(const std::wstring& path, int width, int height) {
    return MakingPicture([&] {
        std::vector<std::uint8_t> bytes;
        {
            const PictureFile file(path);
            bytes.resize(file.size);
            bytes.resize(file.Read(0, bytes));
        }
        // The header decides before any decoder sees the file: a decoder trusts the sizes it
        // names and allocates for them, gigabytes for forged ones.
        const auto previewWidth = static_cast<std::uint32_t>(width), previewHeight = static_cast<std::uint32_t>(height);
        const app::PreparedPreview prepared = app::PreparePreview(bytes, previewWidth, previewHeight);
        if (prepared.kind == app::PreparedPreview::Kind::Invalid) RaiseInvalidPicture();
        if (prepared.kind == app::PreparedPreview::Kind::Shrunk) return BitmapOf(prepared.pixels, width, height);
        return BitmapOf(Decoded(bytes, previewWidth, previewHeight), width, height);
    });
}

void DrawPicture(HDC dc, IPicture* picture, const RECT& at) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (!picture || FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return;
    // Picture coordinates run upwards: start at the bottom edge with a negative height.
    picture->Render(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, 0, height, width, -height, nullptr);
}

}  // namespace app::win32
