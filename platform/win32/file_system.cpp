#include "platform/win32/file_system.h"

#include <windows.h>

#include <algorithm>

#include "exception/error.h"
#include "platform/win32/last_error.h"
#include "platform/win32/scoped_handle.h"

namespace platform {

namespace {

constexpr DWORD kSettableBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_ARCHIVE;

// Transfers go in pieces that a DWORD can count.
constexpr std::size_t kMaxTransfer = 1u << 30;

DWORD ExistingFileAttributes(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) RaiseLastError();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) errors::RaiseSystemError(ERROR_FILE_NOT_FOUND);
    return attributes;
}

// The file CreateFileW opened, or the error it gave.
FileHandle Opened(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE) RaiseLastError();
    return FileHandle(handle);
}

}  // namespace

std::int32_t Win32FileSystem::Attributes(const std::wstring& path) {
    return static_cast<std::int32_t>(ExistingFileAttributes(path) & kSettableBits);
}

void Win32FileSystem::SetAttributes(const std::wstring& path, std::int32_t attributes) {
    const DWORD bits = static_cast<DWORD>(attributes) & kSettableBits;
    if (!SetFileAttributesW(path.c_str(), bits == 0 ? FILE_ATTRIBUTE_NORMAL : bits)) RaiseLastError();
}

void Win32FileSystem::Delete(const std::wstring& path) {
    // DeleteFileW refuses a read-only file: there is no forced deletion here.
    if (!DeleteFileW(path.c_str())) RaiseLastError();
}

bool Win32FileSystem::NormalFileExists(const std::wstring& path) {
    // Not FindFirstFile: that would take wildcards as a pattern.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool Win32FileSystem::FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Win32FileSystem::ReadBytes(const std::wstring& path) {
    const FileHandle file = Opened(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) RaiseLastError();
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD piece = static_cast<DWORD>(std::min(bytes.size() - done, kMaxTransfer));
        if (!ReadFile(file.get(), bytes.data() + done, piece, &read, nullptr)) RaiseLastError();
        if (read == 0) break;  // the file became shorter while it was read
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

void Win32FileSystem::WriteBytes(const std::wstring& path, const std::string& bytes) {
    // Not CREATE_ALWAYS: that refuses an existing hidden file.
    const FileHandle file = Opened(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD piece = static_cast<DWORD>(std::min(bytes.size() - done, kMaxTransfer));
        if (!WriteFile(file.get(), bytes.data() + done, piece, &written, nullptr)) RaiseLastError();
        done += written;
    }
    if (!SetEndOfFile(file.get())) RaiseLastError();
}

void Win32FileSystem::CreateFolders(const std::wstring& path) {
    // Each folder from the top down; the drive or share at the start is there or nothing is.
    for (std::size_t end = path.find(L'\\', path.find(L':') + 2); ; end = path.find(L'\\', end + 1)) {
        const std::wstring folder = path.substr(0, end);
        if (!folder.empty() && !CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            RaiseLastError();
        if (end == std::wstring::npos || end + 1 == path.size()) return;
    }
}

void Win32FileSystem::Replace(const std::wstring& target, const std::wstring& replacement) {
    if (!MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseLastError();
}

}  // namespace platform
