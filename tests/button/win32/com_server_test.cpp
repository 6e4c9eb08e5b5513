// Vantor1.dll as a library: its exports and object counting, its type library and version
// block, and its registration for a user without administrator rights.

#include <gtest/gtest.h>

#include <map>

#include "button/win32/registration.h"
#include "com_doubles.h"

using button::ComPtr;
using namespace testing_support;

namespace {

TEST(ComServerTest, ClassFactoryCountsObjectsAndRefusesWhatItCannotMake) {
    Apartment apartment;
    Library library;
    auto getClassObject = library.Export<HRESULT STDAPICALLTYPE(REFCLSID, REFIID, void**)>("DllGetClassObject");
    auto canUnloadNow = library.Export<HRESULT STDAPICALLTYPE()>("DllCanUnloadNow");
    ASSERT_TRUE(getClassObject && canUnloadNow);

    ComPtr<IClassFactory> factory;
    EXPECT_EQ(getClassObject(CLSID_StdFont, IID_IClassFactory, reinterpret_cast<void**>(factory.put())),
              CLASS_E_CLASSNOTAVAILABLE);
    ASSERT_EQ(getClassObject(CLSID_cButton, IID_IClassFactory, reinterpret_cast<void**>(factory.put())), S_OK);
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "the factory is alive";

    ComPtr<IUnknown> object, outer(factory.get());
    EXPECT_EQ(factory->CreateInstance(outer.get(), IID_IUnknown, reinterpret_cast<void**>(object.put())),
              CLASS_E_NOAGGREGATION);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(object.put())), S_OK);
    factory = nullptr;
    outer = nullptr;
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "a button is alive";
    object = nullptr;
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST(ComServerTest, TypeLibraryDescribesTheControl) {
    ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadTypeLibEx((ExeFolder() + L"Vantor1.dll").c_str(), REGKIND_NONE, library.put()), S_OK);
    TLIBATTR* attributes = nullptr;
    library->GetLibAttr(&attributes);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, LIBID_Vantor1));
    EXPECT_EQ(attributes->wMajorVerNum, 14);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    EXPECT_EQ(attributes->lcid, 0x0409u);
    EXPECT_TRUE(attributes->wLibFlags & LIBFLAG_FCONTROL);
    library->ReleaseTLibAttr(attributes);

    auto flagsOf = [&](REFGUID guid, TYPEKIND expectedKind) {
        ComPtr<ITypeInfo> info;
        EXPECT_EQ(library->GetTypeInfoOfGuid(guid, info.put()), S_OK);
        TYPEATTR* type = nullptr;
        info->GetTypeAttr(&type);
        EXPECT_EQ(type->typekind, expectedKind);
        const WORD flags = type->wTypeFlags;
        info->ReleaseTypeAttr(type);
        return flags;
    };
    EXPECT_TRUE(flagsOf(CLSID_cButton, TKIND_COCLASS) & TYPEFLAG_FCONTROL);
    const WORD dual = flagsOf(IID__cButton, TKIND_DISPATCH);
    EXPECT_TRUE((dual & TYPEFLAG_FHIDDEN) && (dual & TYPEFLAG_FDUAL));
    EXPECT_TRUE(flagsOf(DIID___cButton, TKIND_DISPATCH) & TYPEFLAG_FHIDDEN);
}

TEST(ComServerTest, VersionBlockAndToolboxBitmap) {
    const std::wstring path = ExeFolder() + L"Vantor1.dll";
    std::vector<BYTE> block(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    // The texts are the resource script's own; what tools look for is the marking.
    void* marking = nullptr;
    UINT length = 0;
    EXPECT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040704b0\\OLESelfRegister", &marking, &length));
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);

    Library library;
    HANDLE bitmap = LoadImageW(library.module, MAKEINTRESOURCEW(30000), IMAGE_BITMAP, 0, 0, 0);
    EXPECT_TRUE(bitmap);
    DeleteObject(bitmap);
}

// Every value below a key, as "key|name" to data.
void Snapshot(HKEY key, const std::wstring& path, std::map<std::wstring, std::wstring>& out) {
    wchar_t name[256];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 256, dataLength = sizeof(data);
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, nullptr, data, &dataLength) != ERROR_SUCCESS) break;
        std::wstring text(reinterpret_cast<wchar_t*>(data), dataLength / sizeof(wchar_t));
        out[path + L"|" + name] = text.substr(0, text.find(L'\0'));
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY sub = nullptr;
        out[path + L"\\" + name];
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
        Snapshot(sub, path + L"\\" + name, out);
        RegCloseKey(sub);
    }
}

// The ProgID, the control marking and the other names are checked through regsvr32 by
// regsvr32_test.sh; here what only a key-by-key comparison shows.
TEST(ComServerTest, PerUserRegistrationIsRemovedExactly) {
    HKEY classes = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &classes, nullptr), ERROR_SUCCESS);
    std::map<std::wstring, std::wstring> before, registered, after;
    Snapshot(classes, L"", before);
    ASSERT_EQ(button::RegisterServerIn(classes, L"C:\\Program Files\\Kalvex3\\Vantor1.dll"), S_OK);
    Snapshot(classes, L"", registered);
    const std::wstring server = L"\\CLSID\\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\\InprocServer32";
    EXPECT_EQ(registered[server + L"|"], L"C:\\Program Files\\Kalvex3\\Vantor1.dll");
    EXPECT_EQ(registered[server + L"|ThreadingModel"], L"Apartment");
    const std::wstring platform = sizeof(void*) == 8 ? L"win64" : L"win32";
    EXPECT_EQ(registered[L"\\TypeLib\\{AADDFFBD-A1AD-4AA5-A0EC-623AB86D0480}\\14.0\\409\\" + platform + L"|"],
              L"C:\\Program Files\\Kalvex3\\Vantor1.dll");

    ASSERT_EQ(button::UnregisterServerIn(classes), S_OK);
    Snapshot(classes, L"", after);
    EXPECT_EQ(after, before);
    RegCloseKey(classes);
}

}  // namespace
