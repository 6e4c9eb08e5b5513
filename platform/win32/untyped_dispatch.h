#pragma once
// IDispatch of an object that is called by dispatch id only and has no type information to
// give: the ambient properties of a site, an event sink, an accessible object. Header-only,
// for the control library as for the program.

#include <windows.h>

#include <oaidl.h>

namespace platform {

inline HRESULT NoTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

inline HRESULT NoTypeInfo(ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

}  // namespace platform
