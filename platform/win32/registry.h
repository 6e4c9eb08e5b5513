#pragma once
// The registry of the running Windows, through its wide functions.

#include "platform/registry.h"

namespace platform {

class Win32Registry final : public Registry {
public:
    std::optional<RegistryKey> OpenKey(std::int32_t root, const std::wstring& path, RegistryView view) override;
    std::optional<RegistryValueInfo> QueryValueInfo(RegistryKey key, const std::wstring& name) override;
    std::optional<std::vector<std::uint8_t>> QueryData(RegistryKey key, const std::wstring& name,
                                                       std::uint32_t capacity) override;
    std::optional<RegistryKey> CreateKey(std::int32_t root, const std::wstring& path, RegistryView view) override;
    void SetValue(RegistryKey key, const std::wstring& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override;
    void CloseKey(RegistryKey key) override;
};

}  // namespace platform
