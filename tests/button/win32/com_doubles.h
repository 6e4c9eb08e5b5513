#pragma once
// What the Windows tests of the button share: the apartment, the library next to the test,
// a Click counter, a property bag and a picture of one colour.

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Vantor1_h.h"
#include "platform/win32/com_ptr.h"
#include "button/win32/variant_values.h"

namespace testing_support {

struct Apartment {
    Apartment() { OleInitialize(nullptr); }
    ~Apartment() { OleUninitialize(); }
};

// Vantor1.dll beside the test (its folder is searched first), loaded while this lives.
class Library {
public:
    Library() : module(LoadLibraryW(L"Vantor1.dll")) {}
    ~Library() { FreeLibrary(module); }
    template <class F>
    F* Export(const char* name) const {
        return reinterpret_cast<F*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    const HMODULE module;
};

// A new button from the library beside the test, which the test's manifest names.
template <class T>
platform::ComPtr<T> CreateButton() {
    platform::ComPtr<T> made;
    CoCreateInstance(CLSID_cButton, nullptr, CLSCTX_INPROC_SERVER, __uuidof(T), reinterpret_cast<void**>(made.put()));
    return made;
}

// Lives on the test's stack, where reference counts are not needed; answers for IUnknown
// and the given interfaces.
template <class Interface, const IID* Iid, const IID* AlsoIid = Iid>
class StackObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        const bool known = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, *Iid) || IsEqualIID(riid, *AlsoIid);
        *object = known ? this : nullptr;
        return known ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

class ClickSink final : public StackObject<IDispatch, &IID_IDispatch, &DIID___cButton> {
public:
    int clicks = 0;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        if (id == 1) ++clicks;
        return S_OK;
    }

    void ConnectTo(IUnknown* button) {
        platform::ComPtr<IConnectionPointContainer> points(
            platform::ComPtr<IUnknown>(button).query<IConnectionPointContainer>());
        platform::ComPtr<IConnectionPoint> point;
        points->FindConnectionPoint(DIID___cButton, point.put());
        DWORD cookie = 0;
        point->Advise(this, &cookie);
    }
};

// Names are found whatever their case, as in the program's stored layouts. A bag that throws,
// as no COM object may, fails as the button's own code might.
class MemoryBag final : public StackObject<IPropertyBag, &IID_IPropertyBag> {
public:
    std::vector<std::pair<std::wstring, std::unique_ptr<platform::Variant>>> values;
    std::exception_ptr failure;

    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        if (failure) std::rethrow_exception(failure);
        for (const auto& [key, stored] : values)
            if (_wcsicmp(key.c_str(), name) == 0) return VariantCopy(value, stored.get());
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
        values.emplace_back(name, std::make_unique<platform::Variant>());
        return VariantCopy(values.back().second.get(), value);
    }
};

// A 16 x 16 picture object of one colour.
inline platform::ComPtr<IPictureDisp> SolidPicture(COLORREF color) {
    const std::vector<DWORD> bits(16 * 16, RGB(GetBValue(color), GetGValue(color), GetRValue(color)));
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = CreateBitmap(16, 16, 1, 32, bits.data());
    platform::ComPtr<IPictureDisp> picture;
    OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(picture.put()));
    return picture;
}

}  // namespace testing_support
