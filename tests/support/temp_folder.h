#pragma once
// A fresh folder in the system's temporary folder, removed with everything in it at the end,
// and the host's real file system and code page for tests on real files.

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/win32/code_page.h"
#include "platform/win32/file_system.h"
#else
#include "platform/native/posix_file_system.h"
#include "platform/native/windows_1252.h"
#endif

namespace testing_support {

#ifdef _WIN32
using RealFileSystem = platform::Win32FileSystem;
using RealCodePage = platform::Win32AnsiCodePage;
#else
using RealFileSystem = platform::PosixFileSystem;
using RealCodePage = platform::Windows1252CodePage;
#endif

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = std::filesystem::temp_directory_path() /
                  ("kx-test-" + std::to_string(random()) + "-" + std::to_string(now));
        std::filesystem::create_directories(folder_);
    }
    ~TempFolder() {
        std::error_code ignored;
        // Read-only files would refuse deletion on Windows.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with its trailing separator, as the program keeps folders.
    std::wstring Path() const { return (folder_ / L"").wstring(); }
    std::wstring File(const std::wstring& name) const { return Path() + name; }

    void Put(const std::wstring& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string Bytes(const std::wstring& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The names of everything in the folder or one of its subfolders, so that tests see
    // left-over files.
    std::vector<std::wstring> Names(const std::wstring& subfolder = {}) const {
        std::vector<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_ / subfolder))
            names.push_back(entry.path().filename().wstring());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path folder_;
};

}  // namespace testing_support
