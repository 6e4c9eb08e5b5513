// The four entry points of the in-process server.

#include <windows.h>

#include <olectl.h>

#include "Vantor1_h.h"
#include "button/win32/check.h"
#include "button/win32/class_factory.h"
#include "button/win32/registration.h"
#include "button/win32/server_lifetime.h"

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(rclsid, CLSID_cButton)) return CLASS_E_CLASSNOTAVAILABLE;
    return button::ButtonClassFactory::Create(riid, object);
}

STDAPI DllCanUnloadNow() { return button::ServerInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() {
    return button::Guarded([] { return button::RegisterServer(button::LibraryPath()); });
}

STDAPI DllUnregisterServer() {
    return button::Guarded([] { return button::UnregisterServer(); });
}
