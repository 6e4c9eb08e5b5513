#pragma once
// Real files, with the hidden, system and archive bits that a POSIX host lacks remembered
// here by path, so that the same tests run on every host; and a hook before every operation
// that examines attributes or writes, through which a test makes chosen operations fail (a
// full disk, a lost folder) or changes the files under the program's feet.

#include <functional>
#include <map>

#include "exception/error.h"
#include "platform/file_system.h"

namespace testing_support {

enum class FileOperation { Attributes, SetAttributes, WriteBytes, Replace };

class FaultInjectingFileSystem final : public platform::FileSystem {
public:
    explicit FaultInjectingFileSystem(platform::FileSystem& files) : files_(files) {}

    std::function<void(FileOperation, const std::wstring& path)> beforeEach;

    // Makes every call of `operation` fail as the system would with `systemCode`.
    void Fail(FileOperation operation, std::uint32_t systemCode) {
        beforeEach = [=](FileOperation called, const std::wstring&) {
            if (called == operation) errors::RaiseSystemError(systemCode);
        };
    }

    std::int32_t Attributes(const std::wstring& path) override {
        Before(FileOperation::Attributes, path);
        return files_.Attributes(path) | Bits(path);
    }
    void SetAttributes(const std::wstring& path, std::int32_t attributes) override {
        Before(FileOperation::SetAttributes, path);
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
    void WriteBytes(const std::wstring& path, const std::string& bytes) override {
        Before(FileOperation::WriteBytes, path);
        files_.WriteBytes(path, bytes);
    }
    void CreateFolders(const std::wstring& path) override { files_.CreateFolders(path); }
    void Replace(const std::wstring& target, const std::wstring& replacement) override {
        Before(FileOperation::Replace, target);
        files_.Replace(target, replacement);
        bits_[target] = Bits(replacement);
        bits_.erase(replacement);
    }

private:
    void Before(FileOperation operation, const std::wstring& path) {
        if (beforeEach) beforeEach(operation, path);
    }
    std::int32_t Bits(const std::wstring& path) const {
        auto it = bits_.find(path);
        return it == bits_.end() ? 0 : it->second;
    }

    platform::FileSystem& files_;
    std::map<std::wstring, std::int32_t> bits_;
};

}  // namespace testing_support
