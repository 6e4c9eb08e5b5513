#include "button/win32/registration.h"

#include <olectl.h>

#include <vector>

#include "Vantor1_h.h"
#include "button/win32/misc_status.h"

namespace button {
namespace {

constexpr wchar_t kProgId[] = L"Vantor1.cButton";
constexpr wchar_t kTypeLibVersion[] = L"14.0";
constexpr wchar_t kDispatchProxy[] = L"{00020420-0000-0000-C000-000000000046}";
constexpr wchar_t kDualProxy[] = L"{00020424-0000-0000-C000-000000000046}";

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY get() const { return key_; }
    HKEY* put() { return &key_; }

private:
    HKEY key_ = nullptr;
};

struct RegistryValue {
    std::wstring key;
    const wchar_t* name;  // empty: the key's default value
    std::wstring data;
};

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

std::wstring ClassKey() { return L"CLSID\\" + GuidText(CLSID_cButton); }
std::wstring TypeLibKey() { return L"TypeLib\\" + GuidText(LIBID_Vantor1); }
std::wstring TypeLibVersionKey() { return TypeLibKey() + L"\\" + kTypeLibVersion; }
std::wstring InterfaceKey(REFIID iid) { return L"Interface\\" + GuidText(iid); }

std::vector<RegistryValue> RegistrationValues(const std::wstring& libraryPath) {
    const std::wstring cls = ClassKey();
    const std::wstring lib = GuidText(LIBID_Vantor1);
    const std::wstring platform = sizeof(void*) == 8 ? L"win64" : L"win32";
    const std::wstring dual = InterfaceKey(IID__cButton);
    const std::wstring events = InterfaceKey(DIID___cButton);
    return {
        {cls, L"", kProgId},
        {cls + L"\\ProgID", L"", kProgId},
        {cls + L"\\Control", L"", L""},
        {cls + L"\\InprocServer32", L"", libraryPath},
        {cls + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {cls + L"\\MiscStatus", L"", L"0"},
        {cls + L"\\MiscStatus\\1", L"", std::to_wstring(kButtonMiscStatus)},
        {cls + L"\\ToolboxBitmap32", L"", libraryPath + L", 30000"},
        {cls + L"\\TypeLib", L"", lib},
        {cls + L"\\Version", L"", kTypeLibVersion},
        {kProgId, L"", kProgId},
        {std::wstring(kProgId) + L"\\Clsid", L"", GuidText(CLSID_cButton)},
        {TypeLibVersionKey(), L"", L"Vantor1"},
        {TypeLibVersionKey() + L"\\FLAGS", L"", std::to_wstring(LIBFLAG_FCONTROL)},
        {TypeLibVersionKey() + L"\\409\\" + platform, L"", libraryPath},
        {TypeLibVersionKey() + L"\\HELPDIR", L"", FolderOf(libraryPath)},
        {dual, L"", L"_cButton"},
        {dual + L"\\ProxyStubClsid", L"", kDualProxy},
        {dual + L"\\ProxyStubClsid32", L"", kDualProxy},
        {dual + L"\\TypeLib", L"", lib},
        {dual + L"\\TypeLib", L"Version", kTypeLibVersion},
        {events, L"", L"__cButton"},
        {events + L"\\ProxyStubClsid", L"", kDispatchProxy},
        {events + L"\\ProxyStubClsid32", L"", kDispatchProxy},
        {events + L"\\TypeLib", L"", lib},
        {events + L"\\TypeLib", L"Version", kTypeLibVersion},
    };
}

LSTATUS WriteValue(HKEY classes, const RegistryValue& value) {
    RegistryKey key;
    LSTATUS status = RegCreateKeyExW(classes, value.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                                     nullptr);
    if (status != ERROR_SUCCESS) return status;
    const auto bytes = static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), value.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data.c_str()), bytes);
}

// Removes the key with everything below it; a key that is not there is removed already.
bool RemoveTree(HKEY classes, const std::wstring& key) {
    const LSTATUS status = RegDeleteTreeW(classes, key.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// Removes a key that registering may have created to hold ours, once nothing is left in it.
void RemoveIfEmpty(HKEY classes, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(classes, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return;
    DWORD subkeys = 0, values = 0;
    const LSTATUS status = RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                            nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(opened);
    if (status == ERROR_SUCCESS && subkeys == 0 && values == 0) RegDeleteKeyW(classes, key.c_str());
}

// Machine-wide where the user may write there, otherwise the user's own classes.
LSTATUS OpenClassesForWriting(RegistryKey& classes) {
    const REGSAM access = KEY_READ | KEY_WRITE | DELETE;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, nullptr, 0, access, nullptr, classes.put(),
                        nullptr) == ERROR_SUCCESS) {
        return ERROR_SUCCESS;
    }
    return RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0, access, nullptr, classes.put(),
                           nullptr);
}

}  // namespace

HRESULT RegisterServerIn(HKEY classes, const std::wstring& libraryPath) {
    if (libraryPath.empty()) return SELFREG_E_CLASS;
    for (const RegistryValue& value : RegistrationValues(libraryPath)) {
        if (WriteValue(classes, value) != ERROR_SUCCESS) {
            UnregisterServerIn(classes);
            return SELFREG_E_CLASS;
        }
    }
    return S_OK;
}

HRESULT UnregisterServerIn(HKEY classes) {
    bool removed = RemoveTree(classes, ClassKey());
    removed = RemoveTree(classes, kProgId) && removed;
    removed = RemoveTree(classes, InterfaceKey(IID__cButton)) && removed;
    removed = RemoveTree(classes, InterfaceKey(DIID___cButton)) && removed;
    removed = RemoveTree(classes, TypeLibVersionKey()) && removed;
    for (const std::wstring& holder : {TypeLibKey(), std::wstring(L"TypeLib"), std::wstring(L"Interface"),
                                       std::wstring(L"CLSID")}) {
        RemoveIfEmpty(classes, holder);
    }
    return removed ? S_OK : SELFREG_E_CLASS;
}

HRESULT RegisterServer(const std::wstring& libraryPath) {
    RegistryKey classes;
    if (OpenClassesForWriting(classes) != ERROR_SUCCESS) return SELFREG_E_CLASS;
    return RegisterServerIn(classes.get(), libraryPath);
}

HRESULT UnregisterServer() {
    RegistryKey classes;
    if (OpenClassesForWriting(classes) != ERROR_SUCCESS) return SELFREG_E_CLASS;
    return UnregisterServerIn(classes.get());
}

}  // namespace button
