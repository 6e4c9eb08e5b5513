#include "platform/win32/registry.h"

#include <windows.h>

namespace platform {

namespace {

// Query value, set value, create sub-key, enumerate sub-keys, notify, create link.
constexpr REGSAM kWriteAccess = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS |
                                KEY_NOTIFY | KEY_CREATE_LINK;

// The predefined handles are 32-bit values that a 64-bit HKEY holds sign-extended.
HKEY RootHandle(std::int32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(root)));
}

HKEY Handle(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

REGSAM ViewAccess(RegistryView view) {
    switch (view) {
    case RegistryView::Bits32: return KEY_WOW64_32KEY;
    case RegistryView::Bits64: return KEY_WOW64_64KEY;
    case RegistryView::Own: break;
    }
    return 0;
}

}  // namespace

std::optional<RegistryKey> Win32Registry::OpenKey(std::int32_t root, const std::wstring& path, RegistryView view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootHandle(root), path.c_str(), 0, KEY_READ | ViewAccess(view), &key) != ERROR_SUCCESS)
        return std::nullopt;
    return reinterpret_cast<RegistryKey>(key);
}

std::optional<RegistryValueInfo> Win32Registry::QueryValueInfo(RegistryKey key, const std::wstring& name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(Handle(key), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return RegistryValueInfo{type, size};
}

std::optional<std::vector<std::uint8_t>> Win32Registry::QueryData(RegistryKey key, const std::wstring& name,
                                                                  std::uint32_t capacity) {
    std::vector<std::uint8_t> data(capacity);
    DWORD size = capacity;
    if (RegQueryValueExW(Handle(key), name.c_str(), nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return data;
}

std::optional<RegistryKey> Win32Registry::CreateKey(std::int32_t root, const std::wstring& path,
                                                    RegistryView view) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(RootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        kWriteAccess | ViewAccess(view), nullptr, &key, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return reinterpret_cast<RegistryKey>(key);
}

void Win32Registry::SetValue(RegistryKey key, const std::wstring& name, std::uint32_t type,
                             const std::vector<std::uint8_t>& data) {
    RegSetValueExW(Handle(key), name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
}

void Win32Registry::CloseKey(RegistryKey key) { RegCloseKey(Handle(key)); }

}  // namespace platform
