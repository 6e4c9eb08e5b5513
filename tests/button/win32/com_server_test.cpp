// Vantor1.dll as a library: its exports and object counting, and its registration. Both
// bitnesses side by side are registered and removed by the installer's test.

#include <gtest/gtest.h>

#include <map>

#include "button/win32/registration.h"
#include "com_doubles.h"

using platform::ComPtr;
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
// regsvr32_test.sh; here that OLE finds the type library under the version it asks for, and
// what only a key-by-key comparison of the user's own registration shows.
TEST(ComServerTest, RegistrationIsFoundByOleAndRemovedExactly) {
    Library library;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(library.module, path, MAX_PATH);
    // Machine-wide, since Wine's HKEY_CLASSES_ROOT does not show the user's own classes.
    ASSERT_EQ(button::RegisterServerIn(HKEY_LOCAL_MACHINE, path), S_OK);
    BSTR found = nullptr;
    EXPECT_EQ(QueryPathOfRegTypeLib(LIBID_Vantor1, 14, 0, 0x409, &found), S_OK);
    EXPECT_EQ(std::wstring(found ? found : L""), path);
    SysFreeString(found);
    ASSERT_EQ(button::UnregisterServerIn(HKEY_LOCAL_MACHINE), S_OK);

    HKEY classes = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &classes, nullptr), ERROR_SUCCESS);
    std::map<std::wstring, std::wstring> before, registered, after;
    Snapshot(classes, L"", before);
    ASSERT_EQ(button::RegisterServerIn(HKEY_CURRENT_USER, path), S_OK);
    Snapshot(classes, L"", registered);
    const std::wstring cls = L"\\CLSID\\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}", progId = L"\\Vantor1.cButton";
    EXPECT_EQ(registered[cls + L"\\InprocServer32|"], path);
    EXPECT_EQ(registered[cls + L"\\InprocServer32|ThreadingModel"], L"Apartment");
    // What the marshaller reads from an interface is the name of the type library's version key.
    const std::wstring version = registered[L"\\Interface\\{C3253F8D-429D-4A5A-91A1-E081EA0EBFAB}\\TypeLib|Version"];
    EXPECT_TRUE(registered.count(L"\\TypeLib\\{AADDFFBD-A1AD-4AA5-A0EC-623AB86D0480}\\" + version)) << version;

    // What another program added below the class and the ProgID stays, with the keys holding it.
    std::map<std::wstring, std::wstring> expected = before;
    expected[L"\\CLSID"];
    for (const std::wstring& key : {cls, progId}) {
        ASSERT_EQ(RegSetKeyValueW(classes, key.c_str() + 1, L"Other", REG_SZ, L"x", 4), ERROR_SUCCESS);
        ASSERT_EQ(RegSetKeyValueW(classes, (key.substr(1) + L"\\Other").c_str(), nullptr, REG_SZ, L"x", 4),
                  ERROR_SUCCESS);
        expected[key];
        expected[key + L"\\Other"];
        expected[key + L"|Other"] = expected[key + L"\\Other|"] = L"x";
    }
    ASSERT_EQ(button::UnregisterServerIn(HKEY_CURRENT_USER), S_OK);
    Snapshot(classes, L"", after);
    EXPECT_EQ(after, expected);
    for (const std::wstring& key : {cls, progId}) RegDeleteTreeW(classes, key.c_str() + 1);
    RegCloseKey(classes);
}

}  // namespace
