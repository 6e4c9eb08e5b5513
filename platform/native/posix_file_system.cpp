#include "platform/native/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "exception/error.h"

namespace platform {

namespace {

// Windows system error codes, so that reports read as they would on Windows.
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kPathNotFound = 3;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kDiskFull = 112;
constexpr std::uint32_t kFileNameTooLong = 206;
constexpr std::uint32_t kIoDevice = 1117;

// File names here are UTF-8 whatever the locale. Wide text on this host is UTF-32, which the
// char32_t conversion takes to UTF-8; the wchar_t one follows the C locale and stops at ASCII.
std::string Narrow(const std::wstring& path) {
    return std::filesystem::path(std::u32string(path.begin(), path.end())).string();
}

[[noreturn]] void RaiseErrno(const std::string& path) {
    switch (errno) {
    case ENOENT: {
        struct stat folder{};
        const std::string parent = std::filesystem::path(path).parent_path().string();
        errors::RaiseSystemError(parent.empty() || stat(parent.c_str(), &folder) == 0 ? kFileNotFound : kPathNotFound);
    }
    case ENOTDIR: errors::RaiseSystemError(kPathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: errors::RaiseSystemError(kAccessDenied);
    case ENOSPC:
    case EDQUOT: errors::RaiseSystemError(kDiskFull);
    case ENAMETOOLONG: errors::RaiseSystemError(kFileNameTooLong);
    default: errors::RaiseSystemError(kIoDevice);
    }
}

struct stat ExistingFile(const std::string& path) {
    struct stat status{};
    if (stat(path.c_str(), &status) != 0) RaiseErrno(path);
    if (!S_ISREG(status.st_mode)) errors::RaiseSystemError(kFileNotFound);
    return status;
}

bool IsReadOnly(const struct stat& status) { return (status.st_mode & S_IWUSR) == 0; }

// The owner's write permission alone does not stop an administrator, who may run the
// tests; read-only files are refused here as Windows refuses them.
void RefuseReadOnly(const std::string& path) {
    struct stat status{};
    if (stat(path.c_str(), &status) == 0 && IsReadOnly(status)) errors::RaiseSystemError(kAccessDenied);
}

class Descriptor {
public:
    Descriptor(const std::string& path, int flags) : fd_(open(path.c_str(), flags | O_CLOEXEC, 0666)) {
        if (fd_ < 0) RaiseErrno(path);
    }
    ~Descriptor() { close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::int32_t PosixFileSystem::Attributes(const std::wstring& path) {
    return IsReadOnly(ExistingFile(Narrow(path))) ? kReadOnly : kNormal;
}

void PosixFileSystem::SetAttributes(const std::wstring& path, std::int32_t attributes) {
    const std::string narrow = Narrow(path);
    const mode_t mode = ExistingFile(narrow).st_mode & 07777;
    const mode_t writable = S_IWUSR | S_IWGRP | S_IWOTH;
    const mode_t wanted = (attributes & kReadOnly) ? (mode & ~writable) : (mode | S_IWUSR);
    if (chmod(narrow.c_str(), wanted) != 0) RaiseErrno(narrow);
}

void PosixFileSystem::Delete(const std::wstring& path) {
    const std::string narrow = Narrow(path);
    if (IsReadOnly(ExistingFile(narrow))) errors::RaiseSystemError(kAccessDenied);
    if (unlink(narrow.c_str()) != 0) RaiseErrno(narrow);
}

bool PosixFileSystem::NormalFileExists(const std::wstring& path) {
    struct stat status{};
    return stat(Narrow(path).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Every file counts here: this host has no hidden files.
bool PosixFileSystem::FileExists(const std::wstring& path) { return NormalFileExists(path); }

std::string PosixFileSystem::ReadBytes(const std::wstring& path) {
    const std::string narrow = Narrow(path);
    Descriptor file(narrow, O_RDONLY);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            RaiseErrno(narrow);
        }
        if (got == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

void PosixFileSystem::WriteBytes(const std::wstring& path, const std::string& bytes) {
    const std::string narrow = Narrow(path);
    RefuseReadOnly(narrow);
    Descriptor file(narrow, O_WRONLY | O_CREAT | O_TRUNC);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = write(file.get(), bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            RaiseErrno(narrow);
        }
        done += static_cast<std::size_t>(put);
    }
}

void PosixFileSystem::CreateFolders(const std::wstring& path) {
    std::error_code failure;
    std::filesystem::create_directories(Narrow(path), failure);
    if (failure) {
        errno = failure.value();
        RaiseErrno(Narrow(path));
    }
}

void PosixFileSystem::Replace(const std::wstring& target, const std::wstring& replacement) {
    const std::string narrowTarget = Narrow(target);
    const std::string narrowReplacement = Narrow(replacement);
    RefuseReadOnly(narrowTarget);
    if (std::rename(narrowReplacement.c_str(), narrowTarget.c_str()) != 0) RaiseErrno(narrowReplacement);
}

}  // namespace platform
