#pragma once
// Real files, with the hidden, system and archive bits that a POSIX host lacks remembered
// here by path, so that the same tests run on every host.

#include <map>

#include "platform/file_system.h"

namespace testing_support {

class AttributeBitsFileSystem final : public platform::FileSystem {
public:
    explicit AttributeBitsFileSystem(platform::FileSystem& files) : files_(files) {}

    std::int32_t Attributes(const std::wstring& path) override { return files_.Attributes(path) | Bits(path); }
    void SetAttributes(const std::wstring& path, std::int32_t attributes) override {
        files_.SetAttributes(path, attributes);
        bits_[path] = attributes & (platform::kHidden | platform::kSystem | platform::kArchive);
    }
    void Delete(const std::wstring& path) override {
        files_.Delete(path);
        bits_.erase(path);
    }
    bool NormalFileExists(const std::wstring& path) override {
        return files_.NormalFileExists(path) && (Bits(path) & (platform::kHidden | platform::kSystem)) == 0;
    }
    bool FileExists(const std::wstring& path) override { return files_.FileExists(path); }
    std::string ReadBytes(const std::wstring& path) override { return files_.ReadBytes(path); }
    void WriteBytes(const std::wstring& path, const std::string& bytes) override { files_.WriteBytes(path, bytes); }
    void Replace(const std::wstring& target, const std::wstring& replacement) override {
        files_.Replace(target, replacement);
        bits_[target] = Bits(replacement);
        bits_.erase(replacement);
    }

private:
    std::int32_t Bits(const std::wstring& path) const {
        auto it = bits_.find(path);
        return it == bits_.end() ? 0 : it->second;
    }

    platform::FileSystem& files_;
    std::map<std::wstring, std::int32_t> bits_;
};

}  // namespace testing_support
