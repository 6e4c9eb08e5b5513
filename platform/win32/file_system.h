#pragma once
// Files by path through the Windows file API.

#include "platform/file_system.h"

namespace platform {

class Win32FileSystem final : public FileSystem {
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
