#pragma once
// The result of a COM method whose body may throw. No exception may cross a COM interface:
// the caller may be in another module, another language or the system itself, and one that
// got through would end the host. Header-only, so that the control library uses it without
// linking the program's code.

#include <windows.h>

#include <new>

namespace platform {

// body returns the method's HRESULT.
template <class Body>
HRESULT ResultOf(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace platform
