#include "button/win32/type_library.h"

#include "Vantor1_h.h"
#include "button/win32/server_lifetime.h"
#include "platform/win32/com_ptr.h"

namespace button {
namespace {

struct ButtonTypes {
    HRESULT loaded = E_FAIL;
    platform::ComPtr<ITypeInfo> button;  // _cButton
    platform::ComPtr<ITypeInfo> events;  // __cButton
};

// Every button of the process describes itself with the same two types: the library is read
// from the file once, by the first button. The system's type descriptions are free-threaded,
// so buttons in every apartment of the host share them.
const ButtonTypes& Types() {
    static const ButtonTypes types = [] {
        ButtonTypes read;
        platform::ComPtr<ITypeLib> library;
        read.loaded = LoadTypeLibEx(LibraryPath().c_str(), REGKIND_NONE, library.put());
        if (SUCCEEDED(read.loaded)) read.loaded = library->GetTypeInfoOfGuid(IID__cButton, read.button.put());
        if (SUCCEEDED(read.loaded)) read.loaded = library->GetTypeInfoOfGuid(DIID___cButton, read.events.put());
        return read;
    }();
    return types;
}

}  // namespace

HRESULT LoadButtonTypeInfo(REFGUID guid, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    const ButtonTypes& types = Types();
    if (FAILED(types.loaded)) return types.loaded;
    if (IsEqualGUID(guid, IID__cButton)) *info = platform::ComPtr<ITypeInfo>(types.button).detach();
    if (IsEqualGUID(guid, DIID___cButton)) *info = platform::ComPtr<ITypeInfo>(types.events).detach();
    return *info ? S_OK : TYPE_E_ELEMENTNOTFOUND;
}

}  // namespace button
