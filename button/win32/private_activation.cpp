#include "button/win32/private_activation.h"

#include <unknwn.h>

#include "Vantor1_h.h"

namespace button {

HRESULT GetButtonFactoryFromFolder(const std::wstring& folder, IClassFactory** factory) {
    if (!factory) return E_POINTER;
    *factory = nullptr;
    HMODULE library = LoadLibraryExW((folder + L"Vantor1.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library) return HRESULT_FROM_WIN32(GetLastError());
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    if (!getClassObject) return HRESULT_FROM_WIN32(GetLastError());
    return getClassObject(CLSID_cButton, IID_IClassFactory, reinterpret_cast<void**>(factory));
}

HRESULT CreateButtonFromFolder(const std::wstring& folder, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    IClassFactory* factory = nullptr;
    HRESULT hr = GetButtonFactoryFromFolder(folder, &factory);
    if (FAILED(hr)) return hr;
    hr = factory->CreateInstance(nullptr, riid, object);
    factory->Release();
    return hr;
}

}  // namespace button
