#pragma once
// One owner for every kind of Win32 handle, after the pattern of ComPtr: the traits of a kind
// say what its empty value is and how a handle of it is given back, so that each kind is
// given back in one place and on every path. Header-only, so that the control library uses
// it without linking the program's code.

#include <windows.h>

#include <utility>

namespace platform {

template <class Traits>
class ScopedHandle {
public:
    using Handle = typename Traits::Handle;

    ScopedHandle() = default;
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~ScopedHandle() {
        if (valid()) Traits::Close(handle_);
    }

    Handle get() const { return handle_; }
    bool valid() const { return handle_ != Traits::Empty(); }
    // For out-parameters: gives back the current handle and receives a new one.
    Handle* put() {
        *this = ScopedHandle();
        return &handle_;
    }
    Handle release() { return std::exchange(handle_, Traits::Empty()); }

private:
    Handle handle_ = Traits::Empty();
};

namespace handle_traits {

// A table: each kind's empty value, and how a handle of it is given back.
template <class Kind>
struct NullWhenEmpty {
    using Handle = Kind;
    static Handle Empty() { return nullptr; }
};
// Files: CreateFile's failure is INVALID_HANDLE_VALUE, not null.
struct File {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
// Processes, threads and the other kernel objects.
struct Kernel : NullWhenEmpty<HANDLE> { static void Close(Handle h) { CloseHandle(h); } };
struct RegistryKey : NullWhenEmpty<HKEY> { static void Close(Handle h) { RegCloseKey(h); } };
template <class GdiHandle>
struct GdiObject : NullWhenEmpty<GdiHandle> { static void Close(GdiHandle h) { DeleteObject(h); } };
// A device context of one's own (CreateCompatibleDC), the screen's (GetDC(nullptr)) and a
// window's (GetDC(window)), which goes back to the window it came from.
struct MemoryDc : NullWhenEmpty<HDC> { static void Close(Handle h) { DeleteDC(h); } };
struct ScreenDc : NullWhenEmpty<HDC> { static void Close(Handle h) { ReleaseDC(nullptr, h); } };
struct WindowDc : NullWhenEmpty<HDC> { static void Close(Handle h) { ReleaseDC(WindowFromDC(h), h); } };
struct Accelerators : NullWhenEmpty<HACCEL> { static void Close(Handle h) { DestroyAcceleratorTable(h); } };

}  // namespace handle_traits

using FileHandle = ScopedHandle<handle_traits::File>;
using KernelHandle = ScopedHandle<handle_traits::Kernel>;
using RegistryKeyHandle = ScopedHandle<handle_traits::RegistryKey>;
template <class GdiHandle>
using GdiObject = ScopedHandle<handle_traits::GdiObject<GdiHandle>>;
using Bitmap = GdiObject<HBITMAP>;
using MemoryDc = ScopedHandle<handle_traits::MemoryDc>;
using ScreenDc = ScopedHandle<handle_traits::ScreenDc>;
using WindowDc = ScopedHandle<handle_traits::WindowDc>;
using Accelerators = ScopedHandle<handle_traits::Accelerators>;

}  // namespace platform
