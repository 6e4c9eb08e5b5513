#pragma once
// Files by path, as the client's page and banner files need them. Every operation that
// fails raises the run-time error that the system's error code stands for.

#include <cstdint>
#include <string>

namespace platform {

// Attribute bits, numbered as the Windows file system numbers them.
enum FileAttribute : std::int32_t {
    kNormal = 0,
    kReadOnly = 1,
    kHidden = 2,
    kSystem = 4,
    kArchive = 32,
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The attribute bits of an existing file; a missing file or a folder is an error.
    virtual std::int32_t Attributes(const std::wstring& path) = 0;
    // Sets the read-only, hidden, system and archive bits to exactly these; 0 clears them all.
    virtual void SetAttributes(const std::wstring& path, std::int32_t attributes) = 0;
    // Deletes one file, never by force: a read-only file is refused.
    virtual void Delete(const std::wstring& path) = 0;
    // Whether an ordinary file (read-only and archive ones included) is at exactly this path;
    // hidden and system files and folders are not, and any failure is an answer of false.
    virtual bool NormalFileExists(const std::wstring& path) = 0;
    // Whether any file is at exactly this path, hidden and system ones included; folders are
    // not, and any failure is an answer of false.
    virtual bool FileExists(const std::wstring& path) = 0;
    // The whole content of an existing file.
    virtual std::string ReadBytes(const std::wstring& path) = 0;
    // Leaves the file holding exactly these bytes, creating it in its existing folder if need be.
    virtual void WriteBytes(const std::wstring& path, const std::string& bytes) = 0;
    // Creates the folder and every missing folder above it; an existing folder is no error.
    virtual void CreateFolders(const std::wstring& path) = 0;
    // Puts the file at `replacement` in the place of the file at `target` in one step, so that
    // `target` names either its old content or the new one, never neither. As on Windows, a
    // read-only target is refused, a missing one is no error; on failure both files stay as they were.
    virtual void Replace(const std::wstring& target, const std::wstring& replacement) = 0;
};

}  // namespace platform
