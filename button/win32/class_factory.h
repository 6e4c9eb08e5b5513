#pragma once
// The class factory of cButton, handed out by DllGetClassObject.

#include <windows.h>

#include <unknwn.h>

#include "platform/win32/com_object.h"

namespace button {

class ButtonClassFactory final : public platform::ComObject<platform::Implements<IClassFactory>> {
public:
    static HRESULT Create(REFIID riid, void** object);

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ButtonClassFactory();
    ~ButtonClassFactory();
};

}  // namespace button
