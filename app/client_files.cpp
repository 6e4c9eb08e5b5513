#include "app/client_files.h"

#include <algorithm>

#include "app/program_kind.h"

namespace app {

namespace {

constexpr std::uint32_t kAccessDenied = 5;
constexpr wchar_t kClientProgram[] = L"ICQLite.exe";
constexpr wchar_t kPolicyKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
// The folders whose refused writes Windows virtualizes, as the environment names them.
constexpr const wchar_t* kVirtualizedFolders[] = {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432",
                                                  L"ProgramData", L"SystemRoot"};

wchar_t Folded(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool IsBelow(const std::wstring& path, std::wstring folder) {
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return !folder.empty() && path.size() > folder.size() && path[folder.size()] == L'\\' &&
           std::equal(folder.begin(), folder.end(), path.begin(),
                      [](wchar_t a, wchar_t b) { return Folded(a) == Folded(b); });
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\') + 1); }

bool IsLegacy32(platform::FileSystem& files, const std::wstring& program) {
    try {
        const std::string bytes = files.ReadBytes(program);
        return ReadProgramKind({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}) ==
               ProgramKind::Legacy32;
    } catch (const errors::Error&) {
        return false;  // a program that cannot be read is not taken for one that Windows virtualizes
    }
}

}  // namespace

bool LacksRights(const errors::ErrorRecord& failure) {
    return failure.number == static_cast<std::int32_t>(errors::RuntimeError::PermissionDenied) &&
           failure.lastSystemError == static_cast<std::int32_t>(kAccessDenied);
}

std::optional<std::wstring> ClientFiles::StorePath(const std::wstring& path) {
    std::wstring store = environment_.Variable(L"LOCALAPPDATA");
    // Only a path on a local drive has a place there: the drive goes, the rest stays.
    if (store.empty() || path.size() < 4 || path[1] != L':' || path[2] != L'\\') return std::nullopt;
    if (store.back() != L'\\') store += L'\\';
    for (const wchar_t* folder : kVirtualizedFolders)
        if (IsBelow(path, environment_.Variable(folder))) return store + L"VirtualStore" + path.substr(2);
    return std::nullopt;
}

bool ClientFiles::VirtualizationIsOn() {
    const std::optional<platform::RegistryKey> key =
        registry_.OpenKey(platform::kHkeyLocalMachine, kPolicyKey, platform::RegistryView::Bits64);
    if (!key) return true;
    bool on = true;
    // Off with UAC itself or by policy; a missing value means on.
    for (const wchar_t* name : {L"EnableLUA", L"EnableVirtualization"}) {
        const auto info = registry_.QueryValueInfo(*key, name);
        if (!info || info->type != platform::kRegDword) continue;
        const auto data = registry_.QueryData(*key, name, 4);
        if (data && data->size() == 4 && std::all_of(data->begin(), data->end(), [](std::uint8_t b) { return b == 0; }))
            on = false;
    }
    registry_.CloseKey(*key);
    return on;
}

bool ClientFiles::ClientIsVirtualized(const std::wstring& path) {
    // The data folder lies in the client's folder, beside its program file.
    const std::wstring dataFolder = FolderOf(path);
    const std::wstring clientFolder = FolderOf(dataFolder.substr(0, dataFolder.size() - 1));
    return VirtualizationIsOn() && IsLegacy32(files_, clientFolder + kClientProgram);
}

std::wstring ClientFiles::ReadPath(const std::wstring& path) {
    const std::optional<std::wstring> copy = StorePath(path);
    return copy && files_.FileExists(*copy) && ClientIsVirtualized(path) ? *copy : path;
}

void ClientFiles::Change(const std::wstring& path, const std::function<void(const std::wstring&)>& change) {
    const std::optional<std::wstring> copy = StorePath(path);
    if (copy && files_.FileExists(*copy) && ClientIsVirtualized(path)) {
        change(*copy);
        try {
            change(path);
        } catch (const errors::Error& failure) {
            if (!LacksRights(failure.record())) throw;
        }
        return;
    }
    try {
        change(path);
        return;
    } catch (const errors::Error& failure) {
        if (!LacksRights(failure.record()) || !copy || !ClientIsVirtualized(path)) throw;
    }
    files_.CreateFolders(FolderOf(*copy));
    change(*copy);
}

}  // namespace app
