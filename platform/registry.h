#pragma once
// The Windows registry as the settings store needs it: keys below a predefined root, and
// values as a type and the exact data bytes. Texts are UTF-16, little-endian, as the
// registry's wide functions exchange them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The predefined roots, as the 32-bit handle values that the settings keep.
inline constexpr std::int32_t kHkeyCurrentUser = static_cast<std::int32_t>(0x80000001u);
inline constexpr std::int32_t kHkeyLocalMachine = static_cast<std::int32_t>(0x80000002u);

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

using RegistryKey = std::uintptr_t;  // an open key; valid until CloseKey

// Which of 64-bit Windows' two registry views a key is looked up in. 32-bit programs see
// HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432Node as SOFTWARE; 32-bit Windows has one view only,
// whichever is named.
enum class RegistryView { Own, Bits32, Bits64 };

struct RegistryValueInfo {
    std::uint32_t type = 0;
    std::uint32_t size = 0;  // bytes
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens an existing key with read rights only.
    virtual std::optional<RegistryKey> OpenKey(std::int32_t root, const std::wstring& path, RegistryView view) = 0;
    virtual std::optional<RegistryValueInfo> QueryValueInfo(RegistryKey key, const std::wstring& name) = 0;
    // The value's data; nothing when the value is missing or holds more than capacity bytes.
    virtual std::optional<std::vector<std::uint8_t>> QueryData(RegistryKey key, const std::wstring& name,
                                                               std::uint32_t capacity) = 0;
    // Opens the key with read and write rights, creating it and every missing key above it.
    virtual std::optional<RegistryKey> CreateKey(std::int32_t root, const std::wstring& path, RegistryView view) = 0;
    virtual void SetValue(RegistryKey key, const std::wstring& name, std::uint32_t type,
                          const std::vector<std::uint8_t>& data) = 0;
    virtual void CloseKey(RegistryKey key) = 0;
};

}  // namespace platform
