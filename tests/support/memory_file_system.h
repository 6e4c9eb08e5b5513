#pragma once
// Files held in memory under Windows-style paths, for tests of the windows' behaviour
// that care about what the program does with the client's files, not about the disk.

#include <map>
#include <string>

#include "error/error.h"
#include "platform/file_system.h"

namespace testing_support {

class MemoryFileSystem final : public platform::FileSystem {
public:
    struct File {
        std::string bytes;
        std::int32_t attributes = platform::kArchive;
    };
    std::map<std::wstring, File> files;  // by full path; any path's folder exists

    void Put(const std::wstring& path, const std::string& bytes, std::int32_t attributes = platform::kArchive) {
        files[path] = File{bytes, attributes};
    }

    std::int32_t Attributes(const std::wstring& path) override { return Existing(path).attributes; }
    void SetAttributes(const std::wstring& path, std::int32_t attributes) override {
        Existing(path).attributes = attributes;
    }
    void Delete(const std::wstring& path) override {
        if (Existing(path).attributes & platform::kReadOnly) errors::Raise(errors::RuntimeError::PermissionDenied, 5);
        files.erase(path);
    }
    bool FileExists(const std::wstring& path) override { return files.count(path) > 0; }
    bool NormalFileExists(const std::wstring& path) override {
        auto it = files.find(path);
        return it != files.end() && (it->second.attributes & (platform::kHidden | platform::kSystem)) == 0;
    }
    std::string ReadBytes(const std::wstring& path) override { return Existing(path).bytes; }
    void WriteBytes(const std::wstring& path, const std::string& bytes) override {
        auto it = files.find(path);
        if (it == files.end())
            files[path] = File{bytes, platform::kArchive};
        else
            it->second.bytes = bytes;
    }
    void Replace(const std::wstring& target, const std::wstring& replacement) override {
        if (Existing(target).attributes & platform::kReadOnly) errors::Raise(errors::RuntimeError::PermissionDenied, 5);
        files[target] = Existing(replacement);
        files.erase(replacement);
    }

private:
    File& Existing(const std::wstring& path) {
        auto it = files.find(path);
        if (it == files.end()) errors::Raise(errors::RuntimeError::FileNotFound, 2);
        return it->second;
    }
};

}  // namespace testing_support
