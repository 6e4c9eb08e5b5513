#pragma once
// A registry held in memory, for tests of everything that reads or writes settings.
// Key and value names compare without regard to ASCII case, and empty path components
// are skipped, as the Windows registry (measured under Wine) does. It is the registry of
// 64-bit Windows as a 64-bit program sees it: the 32-bit view of HKEY_LOCAL_MACHINE\SOFTWARE
// is its WOW6432Node. Beside it, a process starter that records the regedit runs the
// settings store asks for, and starts nothing.

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/registry_text.h"
#include "platform/process_starter.h"
#include "platform/registry.h"

namespace testing_support {

class MemoryRegistry final : public platform::Registry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    // Failures on demand, as a full disk or a key deleted by another program would cause.
    bool failCreateKey = false;
    bool failSetValue = false;
    bool failQueryData = false;

    // Arranging.
    void Put(std::int32_t root, const std::wstring& path, const std::wstring& name, std::uint32_t type,
             std::vector<std::uint8_t> data) {
        keys_[Id(root, path)][Folded(name)] = Value{type, std::move(data)};
    }
    void PutText(std::int32_t root, const std::wstring& path, const std::wstring& name, const std::wstring& text) {
        Put(root, path, name, platform::kRegSz, app::RegistryBytes(text + L'\0'));
    }

    // Inspecting.
    std::optional<Value> Get(std::int32_t root, const std::wstring& path, const std::wstring& name) const {
        auto key = keys_.find(Id(root, path));
        if (key == keys_.end()) return std::nullopt;
        auto value = key->second.find(Folded(name));
        if (value == key->second.end()) return std::nullopt;
        return value->second;
    }
    std::size_t OpenKeyCount() const { return open_.size(); }

    // platform::Registry
    std::optional<platform::RegistryKey> OpenKey(std::int32_t root, const std::wstring& path,
                                                 platform::RegistryView view) override {
        const KeyId id = Id(root, InView(root, path, view));
        if (!keys_.count(id)) return std::nullopt;
        return Opened(id);
    }
    std::optional<platform::RegistryValueInfo> QueryValueInfo(platform::RegistryKey key,
                                                              const std::wstring& name) override {
        const Value* value = Find(key, name);
        if (!value) return std::nullopt;
        return platform::RegistryValueInfo{value->type, static_cast<std::uint32_t>(value->data.size())};
    }
    std::optional<std::vector<std::uint8_t>> QueryData(platform::RegistryKey key, const std::wstring& name,
                                                       std::uint32_t capacity) override {
        const Value* value = Find(key, name);
        if (failQueryData || !value || value->data.size() > capacity) return std::nullopt;
        return value->data;
    }
    std::optional<platform::RegistryKey> CreateKey(std::int32_t root, const std::wstring& path,
                                                   platform::RegistryView view) override {
        const KeyId id = Id(root, InView(root, path, view));
        if (failCreateKey) return std::nullopt;
        keys_[id];
        return Opened(id);
    }
    void SetValue(platform::RegistryKey key, const std::wstring& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override {
        if (failSetValue || !open_.count(key)) return;
        keys_[open_.at(key)][Folded(name)] = Value{type, data};
    }
    void CloseKey(platform::RegistryKey key) override { open_.erase(key); }

private:
    using KeyId = std::pair<std::int32_t, std::wstring>;  // root, folded path without empty parts

    static std::wstring Folded(std::wstring text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; });
        return text;
    }
    static KeyId Id(std::int32_t root, const std::wstring& path) {
        KeyId id{root, {}};
        std::size_t start = 0;
        for (std::size_t end = 0; end != std::wstring::npos; start = end + 1) {
            end = path.find(L'\\', start);
            const std::wstring part = path.substr(start, end == std::wstring::npos ? end : end - start);
            if (!part.empty()) id.second += (id.second.empty() ? L"" : L"\\") + Folded(part);
        }
        return id;
    }
    static std::wstring InView(std::int32_t root, const std::wstring& path, platform::RegistryView view) {
        const std::wstring software = L"software\\";
        if (view != platform::RegistryView::Bits32 || root != platform::kHkeyLocalMachine ||
            Folded(path.substr(0, software.size())) != software)
            return path;
        return path.substr(0, software.size()) + L"WOW6432Node\\" + path.substr(software.size());
    }
    platform::RegistryKey Opened(const KeyId& id) {
        open_[++lastHandle_] = id;
        return lastHandle_;
    }
    const Value* Find(platform::RegistryKey key, const std::wstring& name) const {
        auto opened = open_.find(key);
        if (opened == open_.end()) return nullptr;
        const auto& values = keys_.at(opened->second);
        auto value = values.find(Folded(name));
        return value == values.end() ? nullptr : &value->second;
    }

    std::map<KeyId, std::map<std::wstring, Value>> keys_;
    std::map<platform::RegistryKey, KeyId> open_;
    platform::RegistryKey lastHandle_ = 0;
};

class RecordingProcessStarter final : public platform::ProcessStarter {
public:
    struct Started {
        std::wstring program;
        std::vector<std::wstring> arguments;
    };
    std::vector<Started> started;
    bool elevationGranted = true;
    int elevations = 0;

    void Start(const std::wstring& program, const std::vector<std::wstring>& arguments) override {
        started.push_back({program, arguments});
    }
    bool RestartElevated() override {
        ++elevations;
        return elevationGranted;
    }
};

}  // namespace testing_support
