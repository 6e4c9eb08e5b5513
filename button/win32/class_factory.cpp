#include "button/win32/class_factory.h"

#include <new>

#include "button/win32/button_object.h"
#include "button/win32/server_lifetime.h"

namespace button {

ButtonClassFactory::ButtonClassFactory() { ObjectCreated(); }
ButtonClassFactory::~ButtonClassFactory() { ObjectDestroyed(); }

HRESULT ButtonClassFactory::Create(REFIID riid, void** object) {
    auto* factory = new (std::nothrow) ButtonClassFactory();
    if (!factory) return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(riid, object);
    factory->Release();
    return hr;
}

HRESULT ButtonClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return ButtonObject::Create(riid, object);
}

HRESULT ButtonClassFactory::LockServer(BOOL lock) {
    ServerLocked(lock != FALSE);
    return S_OK;
}

}  // namespace button
