#include "button/win32/type_library.h"

#include "platform/win32/com_ptr.h"
#include "button/win32/server_lifetime.h"

namespace button {

HRESULT LoadButtonTypeInfo(REFGUID guid, ITypeInfo** info) {
    platform::ComPtr<ITypeLib> library;
    const HRESULT hr = LoadTypeLibEx(LibraryPath().c_str(), REGKIND_NONE, library.put());
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(guid, info);
}

}  // namespace button
