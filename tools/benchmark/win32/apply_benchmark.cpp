// Times what one Apply of Kalvex3 does, with the real file system, code page and registry
// of the running Windows: the client's picture page written anew (clsKalvex3::ChangePicture)
// and the picture path and link saved (clsReg::WriteEntry). The client folder is a fresh one
// in the temporary folder, the values go to a key of the benchmark's own beside the
// program's settings, and both are removed at the end. Prints the medians in microseconds:
//
//     apply=510 page=412 registry=95 repetitions=200
//
// Usage: apply_benchmark [REPETITIONS]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/client_page.h"
#include "app/maker.h"
#include "app/registry_store.h"
#include "app/settings_table.h"
#include "app/text_file.h"
#include "exception/error.h"
#include "platform/win32/code_page.h"
#include "platform/win32/environment.h"
#include "platform/win32/file_system.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/registry.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr wchar_t kBenchmarkProgram[] = L"ICQLiteKalvex Apply benchmark";
// The client's page before the first Apply, as the client installs it.
constexpr char kClientPage[] = "<html><body><img src=\"climage.gif\"></body></html>";

long long Microseconds(Clock::duration duration) {
    return std::chrono::duration_cast<std::chrono::microseconds>(duration).count();
}

long long Median(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A client data folder of its own in the temporary folder, holding the client's page.
class ClientFolder {
public:
    ClientFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"kx-apply-benchmark-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        if (!CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create the client folder");
        const HANDLE page = CreateFileW(Page().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (page == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create the client's page");
        DWORD written = 0;
        WriteFile(page, kClientPage, sizeof kClientPage - 1, &written, nullptr);
        CloseHandle(page);
    }
    ~ClientFolder() {
        SetFileAttributesW(Page().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Page().c_str());
        RemoveDirectoryW(path_.c_str());
    }
    ClientFolder(const ClientFolder&) = delete;
    ClientFolder& operator=(const ClientFolder&) = delete;

    // With its trailing backslash, as the program keeps folders.
    const std::wstring& Path() const { return path_; }

private:
    std::wstring Page() const { return path_ + L"climage.html"; }

    std::wstring path_;
};

// Points the store at a key of the benchmark's own, as deep as the program's settings and
// beside them, so that the program's settings stay as they are; the key goes at the end.
class BenchmarkKey {
public:
    explicit BenchmarkKey(app::clsReg& reg) {
        const app::settings::Branch& own = app::settings::kOwnBranch;
        reg.SetRootKey(own.rootKey);
        reg.SetMainBranch(own.mainBranch);
        reg.SetRegBase(own.regBase);
        reg.SetProgram(kBenchmarkProgram);
        reg.SetSection(own.section);
        path_ = std::wstring(own.mainBranch) + L"\\" + own.regBase + L"\\" + kBenchmarkProgram;
    }
    ~BenchmarkKey() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }
    BenchmarkKey(const BenchmarkKey&) = delete;
    BenchmarkKey& operator=(const BenchmarkKey&) = delete;

private:
    std::wstring path_;
};

int Run(int repetitions) {
    platform::Win32FileSystem fileSystem;
    platform::Win32AnsiCodePage codePage;
    platform::Win32Registry registry;
    platform::Win32ProcessStarter starter;
    app::clsFile file(fileSystem, codePage);
    platform::Win32Environment environment;
    app::clsKalvex3 changer(file, fileSystem, app::ClientFiles(fileSystem, registry, environment));
    app::clsReg reg(registry, starter);

    const BenchmarkKey key(reg);
    const ClientFolder client;
    const std::wstring picture = client.Path() + L"Urlaub am See.jpg";
    const std::wstring link = app::kMakerWebSite;
    std::vector<long long> page, values, apply;
    for (int i = 0; i < repetitions; ++i) {
        const Clock::time_point start = Clock::now();
        changer.ChangePicture(picture, client.Path(), link);
        const Clock::time_point written = Clock::now();
        reg.WriteEntry(app::settings::kPicturePath.name, picture);
        reg.WriteEntry(app::settings::kURL.name, link);
        const Clock::time_point saved = Clock::now();
        page.push_back(Microseconds(written - start));
        values.push_back(Microseconds(saved - written));
        apply.push_back(Microseconds(saved - start));
    }
    std::printf("apply=%lld page=%lld registry=%lld repetitions=%d\n", Median(apply), Median(page), Median(values),
                repetitions);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int repetitions = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 200;
    if (repetitions < 1) {
        std::fprintf(stderr, "usage: apply_benchmark [REPETITIONS]\n");
        return 2;
    }
    try {
        return Run(repetitions);
    } catch (const errors::Error& failure) {
        std::fprintf(stderr, "Apply failed: %ls\n", failure.record().description.c_str());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
    }
    return 1;
}
