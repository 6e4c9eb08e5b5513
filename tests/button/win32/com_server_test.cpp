// Vantor1.dll as a library: its exports and object counting, its version block, its
// registration for a user without administrator rights and beside the library of the other
// bitness. The type library is found through the registration below and read by the
// dispatch tests.

#include <gtest/gtest.h>

#include <process.h>

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
// regsvr32_test.sh; here what only a key-by-key comparison shows, and that OLE finds the
// type library under the version it asks for.
TEST(ComServerTest, RegistrationIsFoundByOleAndRemovedExactly) {
    // Machine-wide, since Wine's HKEY_CLASSES_ROOT does not show the user's own classes.
    const std::wstring path = ExeFolder() + L"Vantor1.dll";
    ASSERT_EQ(button::RegisterServerIn(HKEY_LOCAL_MACHINE, path), S_OK);
    BSTR found = nullptr;
    EXPECT_EQ(QueryPathOfRegTypeLib(LIBID_Vantor1, 14, 0, 0x409, &found), S_OK);
    EXPECT_EQ(std::wstring(found ? found : L""), path);
    SysFreeString(found);
    ComPtr<ITypeLib> library;
    EXPECT_EQ(LoadRegTypeLib(LIBID_Vantor1, 14, 0, 0x409, library.put()), S_OK);
    library = nullptr;
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
    ASSERT_EQ(button::UnregisterServerIn(HKEY_CURRENT_USER), S_OK);
    after.clear();
    Snapshot(classes, L"", after);
    EXPECT_EQ(after, before);
    RegCloseKey(classes);
}

// The default value of a key below HKEY_LOCAL_MACHINE\Software\Classes in one registry view;
// empty when it is not there.
std::wstring MachineValue(const std::wstring& key, REGSAM view = 0) {
    HKEY opened = nullptr;
    wchar_t data[MAX_PATH] = {};
    DWORD size = sizeof(data) - sizeof(wchar_t);
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + key).c_str(), 0, KEY_QUERY_VALUE | view,
                      &opened) == ERROR_SUCCESS) {
        RegQueryValueExW(opened, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(opened);
    }
    return data;
}

// The exit code of the system's regsvr32 of one bitness.
intptr_t Regsvr32(bool x86, const std::wstring& arguments) {
    wchar_t folder[MAX_PATH] = {};
    x86 ? GetSystemWow64DirectoryW(folder, MAX_PATH) : GetSystemDirectoryW(folder, MAX_PATH);
    return _wspawnl(_P_WAIT, (std::wstring(folder) + L"\\regsvr32.exe").c_str(), L"regsvr32", L"/s",
                    arguments.c_str(), nullptr);
}

// Both bitnesses registered machine-wide, as the setup does on 64-bit Windows: unregistering
// either leaves the other whole. The 32-bit side is seen through its registry view; creating
// it needs a 32-bit process, which the 32-bit build's tests are.
TEST(ComServerTest, SideBySideRegistrationOfBothBitnesses) {
    const std::wstring x86 = ExeFolder() + L"x86\\Vantor1.dll", x64 = ExeFolder() + L"Vantor1.dll";
    if (GetFileAttributesW(x86.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no 32-bit library beside";
    Apartment apartment;
    const std::wstring server = L"CLSID\\{B6653820-FA71-47CE-9CEB-75C9CF9C1196}\\InprocServer32";
    const std::wstring typeLib = L"TypeLib\\{AADDFFBD-A1AD-4AA5-A0EC-623AB86D0480}\\e.0";
    for (const bool x64Leaves : {true, false}) {
        ASSERT_EQ(Regsvr32(true, L"\"" + x86 + L"\""), 0);
        ASSERT_EQ(Regsvr32(false, L"\"" + x64 + L"\""), 0);
        ASSERT_EQ(Regsvr32(!x64Leaves, L"/u \"" + (x64Leaves ? x64 : x86) + L"\""), 0);
        EXPECT_EQ(MachineValue(server, KEY_WOW64_64KEY), x64Leaves ? L"" : x64);
        EXPECT_EQ(MachineValue(typeLib + L"\\409\\win64"), x64Leaves ? L"" : x64);
        EXPECT_EQ(MachineValue(server, KEY_WOW64_32KEY), x64Leaves ? x86 : L"");
        EXPECT_EQ(MachineValue(typeLib + L"\\409\\win32"), x64Leaves ? x86 : L"");
        EXPECT_EQ(MachineValue(L"Vantor1.cButton\\Clsid"), L"{B6653820-FA71-47CE-9CEB-75C9CF9C1196}");
        ComPtr<ITypeLib> library;
        EXPECT_EQ(LoadRegTypeLib(LIBID_Vantor1, 14, 0, 0x409, library.put()), S_OK);
        if (!x64Leaves) {
            CLSID clsid = {};
            ComPtr<IUnknown> button;
            EXPECT_EQ(CLSIDFromProgID(L"Vantor1.cButton", &clsid), S_OK);
            EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                       reinterpret_cast<void**>(button.put())), S_OK);
        }
        ASSERT_EQ(Regsvr32(x64Leaves, L"/u \"" + (x64Leaves ? x86 : x64) + L"\""), 0);
    }
    EXPECT_EQ(MachineValue(L"Vantor1.cButton\\Clsid") + MachineValue(typeLib), L"");
}

}  // namespace
