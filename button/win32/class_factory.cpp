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

HRESULT ButtonClassFactory::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ButtonClassFactory::AddRef() { return InterlockedIncrement(&refs_); }

ULONG ButtonClassFactory::Release() {
    const ULONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) delete this;
    return refs;
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
