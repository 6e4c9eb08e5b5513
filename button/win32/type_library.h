#pragma once
// The type library embedded in this library. It is loaded from the library's own file, not
// from the registry, so that it serves callers whether the library is registered or not,
// and once per process. It describes _cButton and __cButton.

#include <windows.h>

#include <oaidl.h>

namespace button {

HRESULT LoadButtonTypeInfo(REFGUID guid, ITypeInfo** info);

}  // namespace button
