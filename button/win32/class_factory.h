#pragma once
// The class factory of cButton, handed out by DllGetClassObject.

#include <windows.h>

#include <unknwn.h>

namespace button {

class ButtonClassFactory final : public IClassFactory {
public:
    static HRESULT Create(REFIID riid, void** object);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ButtonClassFactory();
    ~ButtonClassFactory();

    LONG refs_ = 1;
};

}  // namespace button
