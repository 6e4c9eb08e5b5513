#include "app/registry_store.h"

#include "app/registry_text.h"

namespace app {

namespace {

constexpr wchar_t kRegedit[] = L"regedit";

// Closes an open key however the operation ends.
class KeyCloser {
public:
    KeyCloser(platform::Registry& registry, platform::RegistryKey key) : registry_(registry), key_(key) {}
    ~KeyCloser() { registry_.CloseKey(key_); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    platform::Registry& registry_;
    platform::RegistryKey key_;
};

}  // namespace

std::wstring clsReg::KeyPath() const {
    std::wstring strPath = mainBranch_ + L"\\" + regBase_ + L"\\" + program_ + L"\\" + section_;
    // An empty Section leaves a separator at the end: exactly that one goes, nothing else is tidied.
    if (strPath.back() == L'\\') strPath.pop_back();
    return strPath;
}

std::wstring clsReg::ReadEntry(const std::wstring& strName, const std::wstring& strDefault) {
    const RegValue value = QueryValue(rootKey_, KeyPath(), strName);
    std::wstring strText;
    if (const auto* text = std::get_if<std::wstring>(&value)) strText = *text;
    if (const auto* number = std::get_if<std::int32_t>(&value)) strText = std::to_wstring(*number);
    return strText.empty() ? strDefault : strText;
}

void clsReg::WriteEntry(const std::wstring& strName, const std::wstring& strValue) {
    SetValue(rootKey_, KeyPath(), strName, strValue, platform::kRegSz);
}

void clsReg::ExportNode(const std::wstring& strNode, const std::wstring& strFile) {
    starter_.Start(kRegedit, {L"/E", strFile, strNode});
}

void clsReg::ImportNode(const std::wstring& strFile) {
    starter_.Start(kRegedit, {L"/I", L"/S", strFile});
}

// Read rights are enough, so that a user who may not write below a key can still read it.
clsReg::RegValue clsReg::QueryValue(std::int32_t lngRoot, const std::wstring& strPath, const std::wstring& strName) {
    const auto key = registry_.OpenKey(lngRoot, strPath, view_);
    if (!key) return {};
    const KeyCloser closer(registry_, *key);
    const auto info = registry_.QueryValueInfo(*key, strName);
    if (!info) return {};
    if (info->type == platform::kRegSz) {
        const auto data = registry_.QueryData(*key, strName, info->size);
        if (!data) return {};
        std::wstring strText = RegistryText(*data);
        // Stored with or without its terminating NUL; only that one NUL is not part of the text.
        if (!strText.empty() && strText.back() == L'\0') strText.pop_back();
        return strText;
    }
    if (info->type == platform::kRegDword) {
        const auto data = registry_.QueryData(*key, strName, 4);
        if (!data) return {};
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < data->size() && i < 4; ++i)
            number |= static_cast<std::uint32_t>((*data)[i]) << (8 * i);
        return static_cast<std::int32_t>(number);
    }
    return {};
}

void clsReg::SetValue(std::int32_t lngRoot, const std::wstring& strPath, const std::wstring& strName,
                      const std::wstring& strValue, std::uint32_t lngType) {
    const auto key = registry_.CreateKey(lngRoot, strPath, view_);
    if (!key) return;
    const KeyCloser closer(registry_, *key);
    registry_.SetValue(*key, strName, lngType, RegistryBytes(strValue + L'\0'));
}

}  // namespace app
