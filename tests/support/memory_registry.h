#pragma once
// A registry held in memory, for tests of everything that reads or writes settings.
// Key and value names compare without regard to ASCII case, and empty path components
// are skipped, as the Windows registry (measured under Wine) does. It is the registry of
// 64-bit Windows as a 64-bit program sees it: the 32-bit view of HKEY_LOCAL_MACHINE\SOFTWARE
// is its WOW6432Node.

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/registry_text.h"
#include "platform/registry.h"

namespace testing_support {

class MemoryRegistry final : public platform::Registry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    struct KeyRequest {
        bool create = false;  // CreateKey, else OpenKey
        std::int32_t root = 0;
        std::wstring path;    // as the caller passed it
        platform::RegistryView view = platform::RegistryView::Own;
    };

    // Failures on demand, as a full disk or a key deleted by another program would cause.
    bool failCreateKey = false;
    bool failSetValue = false;
    bool failQueryData = false;

    std::vector<KeyRequest> requests;

    // Arranging: each creates the key with its parents.
    void Put(std::int32_t root, const std::wstring& path, const std::wstring& name, std::uint32_t type,
             std::vector<std::uint8_t> data) {
        AddKey(root, path);
        keys_[Id(root, path)][Folded(name)] = Value{type, std::move(data)};
    }
    void PutText(std::int32_t root, const std::wstring& path, const std::wstring& name, const std::wstring& text,
                 bool terminated = true) {
        Put(root, path, name, platform::kRegSz, app::RegistryBytes(terminated ? text + L'\0' : text));
    }
    void PutDword(std::int32_t root, const std::wstring& path, const std::wstring& name, std::uint32_t number) {
        Put(root, path, name, platform::kRegDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)});
    }
    void AddKey(std::int32_t root, const std::wstring& path) {
        KeyId id{root, {}};
        for (const std::wstring& part : Parts(path)) {
            id.second += (id.second.empty() ? L"" : L"\\") + part;
            keys_[id];
        }
    }
    // Neither reading nor writing at the key and below, like another user's key.
    void DenyAccess(std::int32_t root, const std::wstring& path) { readDenied_.insert(Id(root, path)); }
    // Reading only, at the key and below, like HKEY_LOCAL_MACHINE for a user without admin rights.
    void DenyWriting(std::int32_t root, const std::wstring& path) { writeDenied_.insert(Id(root, path)); }

    // Inspecting.
    bool HasKey(std::int32_t root, const std::wstring& path) const { return keys_.count(Id(root, path)) > 0; }
    std::optional<Value> Get(std::int32_t root, const std::wstring& path, const std::wstring& name) const {
        auto key = keys_.find(Id(root, path));
        if (key == keys_.end()) return std::nullopt;
        auto value = key->second.find(Folded(name));
        if (value == key->second.end()) return std::nullopt;
        return value->second;
    }
    // The data of a REG_SZ value as text, terminating NUL included.
    std::optional<std::wstring> Text(std::int32_t root, const std::wstring& path, const std::wstring& name) const {
        auto value = Get(root, path, name);
        if (!value || value->type != platform::kRegSz) return std::nullopt;
        return app::RegistryText(value->data);
    }
    std::size_t OpenKeyCount() const { return open_.size(); }

    // platform::Registry
    std::optional<platform::RegistryKey> OpenKey(std::int32_t root, const std::wstring& path,
                                                 platform::RegistryView view) override {
        requests.push_back({false, root, path, view});
        const KeyId id = Id(root, InView(root, path, view));
        if (!keys_.count(id) || Covered(readDenied_, id)) return std::nullopt;
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
        requests.push_back({true, root, path, view});
        const KeyId id = Id(root, InView(root, path, view));
        if (failCreateKey || Covered(readDenied_, id) || Covered(writeDenied_, id)) return std::nullopt;
        AddKey(root, InView(root, path, view));
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
    static std::vector<std::wstring> Parts(const std::wstring& path) {
        std::vector<std::wstring> parts;
        std::size_t start = 0;
        for (std::size_t end; (end = path.find(L'\\', start)) != std::wstring::npos; start = end + 1)
            if (end > start) parts.push_back(Folded(path.substr(start, end - start)));
        if (start < path.size()) parts.push_back(Folded(path.substr(start)));
        return parts;
    }
    static std::wstring InView(std::int32_t root, const std::wstring& path, platform::RegistryView view) {
        const std::wstring software = L"software\\";
        if (view != platform::RegistryView::Bits32 || root != platform::kHkeyLocalMachine ||
            Folded(path.substr(0, software.size())) != software)
            return path;
        return path.substr(0, software.size()) + L"WOW6432Node\\" + path.substr(software.size());
    }
    static KeyId Id(std::int32_t root, const std::wstring& path) {
        KeyId id{root, {}};
        for (const std::wstring& part : Parts(path)) id.second += (id.second.empty() ? L"" : L"\\") + part;
        return id;
    }
    // Whether the key or one above it is in the set.
    static bool Covered(const std::set<KeyId>& denied, const KeyId& id) {
        return std::any_of(denied.begin(), denied.end(), [&](const KeyId& d) {
            return d.first == id.first && (id.second == d.second || id.second.rfind(d.second + L"\\", 0) == 0);
        });
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
    std::set<KeyId> readDenied_, writeDenied_;
    std::map<platform::RegistryKey, KeyId> open_;
    platform::RegistryKey lastHandle_ = 0;
};

}  // namespace testing_support
