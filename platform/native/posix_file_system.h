#pragma once
// Files by path on a POSIX host. Read-only is the absence of the owner's write permission;
// hidden, system and archive bits do not exist here and read back as clear.

#include "platform/file_system.h"

namespace platform {

class PosixFileSystem final : public FileSystem {
public:
    std::int32_t Attributes(const std::wstring& path) override;
    void SetAttributes(const std::wstring& path, std::int32_t attributes) override;
    void Delete(const std::wstring& path) override;
    bool NormalFileExists(const std::wstring& path) override;
    bool FileExists(const std::wstring& path) override;
    std::string ReadBytes(const std::wstring& path) override;
    void WriteBytes(const std::wstring& path, const std::string& bytes) override;
    void CreateFolders(const std::wstring& path) override;
    void Replace(const std::wstring& target, const std::wstring& replacement) override;
};

}  // namespace platform
