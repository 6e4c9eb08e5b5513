#include "button/win32/registration.h"

#include <olectl.h>

#include <set>
#include <vector>

#include "Vantor1_h.h"
#include "button/win32/misc_status.h"
#include "platform/win32/scoped_handle.h"

namespace button {
namespace {

constexpr wchar_t kClasses[] = L"Software\\Classes\\";
constexpr const wchar_t* kProgId = PROGID_cButton;
constexpr wchar_t kControlVersion[] = L"14.0";
// OLE names a type library's version key, and finds it from an interface, in hexadecimal.
constexpr wchar_t kTypeLibVersion[] = L"e.0";
constexpr wchar_t kDispatchProxy[] = L"{00020420-0000-0000-C000-000000000046}";
constexpr wchar_t kDualProxy[] = L"{00020424-0000-0000-C000-000000000046}";

// Where a value lives on 64-bit Windows: class and interface keys exist once in each
// bitness's registry view, ProgIDs and type libraries once for both.
enum class Scope { OwnView, Shared };

struct RegistryValue {
    std::wstring key;  // below the classes key
    const wchar_t* name;  // empty: the key's default value
    std::wstring data;
    Scope scope;
};

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

std::wstring ClassKey() { return L"CLSID\\" + GuidText(CLSID_cButton); }
std::wstring TypeLibVersionKey() { return L"TypeLib\\" + GuidText(LIBID_Vantor1) + L"\\" + kTypeLibVersion; }
std::wstring InterfaceKey(REFIID iid) { return L"Interface\\" + GuidText(iid); }

std::vector<RegistryValue> RegistrationValues(const std::wstring& libraryPath) {
    constexpr Scope own = Scope::OwnView, shared = Scope::Shared;
    const std::wstring cls = ClassKey();
    const std::wstring lib = GuidText(LIBID_Vantor1);
    const std::wstring platform = sizeof(void*) == 8 ? L"win64" : L"win32";
    const std::wstring dual = InterfaceKey(IID__cButton);
    const std::wstring events = InterfaceKey(DIID___cButton);
    return {
        {cls, L"", kProgId, own},
        {cls + L"\\ProgID", L"", kProgId, own},
        {cls + L"\\Control", L"", L"", own},
        {cls + L"\\InprocServer32", L"", libraryPath, own},
        {cls + L"\\InprocServer32", L"ThreadingModel", L"Apartment", own},
        {cls + L"\\MiscStatus", L"", L"0", own},
        {cls + L"\\MiscStatus\\1", L"", std::to_wstring(kButtonMiscStatus), own},
        {cls + L"\\ToolboxBitmap32", L"", libraryPath + L", 30000", own},
        {cls + L"\\TypeLib", L"", lib, own},
        {cls + L"\\Version", L"", kControlVersion, own},
        {kProgId, L"", kProgId, shared},
        {std::wstring(kProgId) + L"\\Clsid", L"", GuidText(CLSID_cButton), shared},
        {TypeLibVersionKey(), L"", L"Vantor1", shared},
        {TypeLibVersionKey() + L"\\FLAGS", L"", std::to_wstring(LIBFLAG_FCONTROL), shared},
        // The one entry of the shared type library key that belongs to this bitness alone.
        {TypeLibVersionKey() + L"\\409\\" + platform, L"", libraryPath, own},
        {TypeLibVersionKey() + L"\\HELPDIR", L"", FolderOf(libraryPath), shared},
        {dual, L"", L"_cButton", own},
        {dual + L"\\ProxyStubClsid", L"", kDualProxy, own},
        {dual + L"\\ProxyStubClsid32", L"", kDualProxy, own},
        {dual + L"\\TypeLib", L"", lib, own},
        {dual + L"\\TypeLib", L"Version", kTypeLibVersion, own},
        {events, L"", L"__cButton", own},
        {events + L"\\ProxyStubClsid", L"", kDispatchProxy, own},
        {events + L"\\ProxyStubClsid32", L"", kDispatchProxy, own},
        {events + L"\\TypeLib", L"", lib, own},
        {events + L"\\TypeLib", L"Version", kTypeLibVersion, own},
    };
}

LSTATUS WriteValue(HKEY hive, const RegistryValue& value) {
    platform::RegistryKeyHandle key;
    LSTATUS status = RegCreateKeyExW(hive, (kClasses + value.key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                     key.put(), nullptr);
    if (status != ERROR_SUCCESS) return status;
    const auto bytes = static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), value.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data.c_str()), bytes);
}

// A value that is not there is removed already.
bool RemoveValue(HKEY hive, const RegistryValue& value) {
    const LSTATUS status = RegDeleteKeyValueW(hive, (kClasses + value.key).c_str(), value.name);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// Removes a key once nothing is left in it; what others added keeps it.
bool RemoveIfEmpty(HKEY hive, const std::wstring& key) {
    platform::RegistryKeyHandle opened;
    const LSTATUS found = RegOpenKeyExW(hive, (kClasses + key).c_str(), 0, KEY_QUERY_VALUE, opened.put());
    if (found != ERROR_SUCCESS) return found == ERROR_FILE_NOT_FOUND;
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyW(opened.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    if (subkeys != 0 || values != 0) return true;
    const LSTATUS status = RegDeleteKeyW(hive, (kClasses + key).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// Whether the other bitness's library is registered in this hive. On 32-bit Windows, and
// wherever the class key is not redirected (the user's classes under Wine), the other view
// is this one, whose server entry is gone by the time this is asked. The view flag goes with
// the whole path from the hive: opened below a handle to the classes key, Wine's 64-bit
// side stays in its own view.
bool OtherBitnessRegistered(HKEY hive) {
    const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    platform::RegistryKeyHandle server;
    if (RegOpenKeyExW(hive, (kClasses + ClassKey() + L"\\InprocServer32").c_str(), 0, KEY_QUERY_VALUE | otherView,
                      server.put()) != ERROR_SUCCESS) {
        return false;
    }
    return RegQueryValueExW(server.get(), nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// Machine-wide where the user may write there, otherwise the user's own classes.
HKEY WritableHive() {
    platform::RegistryKeyHandle machine;
    const bool writable = RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, nullptr, 0,
                                          KEY_READ | KEY_WRITE | DELETE, nullptr, machine.put(),
                                          nullptr) == ERROR_SUCCESS;
    return writable ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

HRESULT RegisterServerIn(HKEY hive, const std::wstring& libraryPath) {
    if (libraryPath.empty()) return SELFREG_E_CLASS;
    for (const RegistryValue& value : RegistrationValues(libraryPath)) {
        if (WriteValue(hive, value) != ERROR_SUCCESS) {
            UnregisterServerIn(hive);
            return SELFREG_E_CLASS;
        }
    }
    return S_OK;
}

HRESULT UnregisterServerIn(HKEY hive) {
    const std::vector<RegistryValue> values = RegistrationValues(L"");
    bool removed = true;
    for (const RegistryValue& value : values) {
        if (value.scope == Scope::OwnView) removed = RemoveValue(hive, value) && removed;
    }
    if (!OtherBitnessRegistered(hive)) {
        for (const RegistryValue& value : values) {
            if (value.scope == Scope::Shared) removed = RemoveValue(hive, value) && removed;
        }
    }
    // Every key that held one of ours and every key above it; in reverse order each comes
    // before the keys above it, which are prefixes of it.
    std::set<std::wstring> keys;
    for (const RegistryValue& value : values) {
        for (std::size_t end = value.key.size(); end != std::wstring::npos; end = value.key.rfind(L'\\', end - 1)) {
            keys.insert(value.key.substr(0, end));
        }
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) removed = RemoveIfEmpty(hive, *key) && removed;
    return removed ? S_OK : SELFREG_E_CLASS;
}

HRESULT RegisterServer(const std::wstring& libraryPath) { return RegisterServerIn(WritableHive(), libraryPath); }

HRESULT UnregisterServer() { return UnregisterServerIn(WritableHive()); }

}  // namespace button
