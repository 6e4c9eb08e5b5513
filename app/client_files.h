#pragma once
// Which of the client's files the client reads, and where a change must go so that it
// reads it. Since Windows Vista a standard user's 32-bit program that names no execution
// level (the client) runs virtualized: a write it makes under Program Files, the Windows
// folder or ProgramData that the folder refuses goes to the user's VirtualStore, and a
// file there is what it reads from then on. Kalvex3 names its level and is not
// virtualized, so it does for the client what Windows would do.

#include <functional>
#include <optional>
#include <string>

#include "exception/error.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/registry.h"

namespace app {

class ClientFiles {
public:
    ClientFiles(platform::FileSystem& files, platform::Registry& registry, platform::Environment& environment)
        : files_(files), registry_(registry), environment_(environment) {}

    // The file that the client reads for `path`, a file of its data folder.
    std::wstring ReadPath(const std::wstring& path);
    // Runs `change` on the file that the client reads for `path`, and on the data folder's
    // own file too where the user may write it, so that both agree. When the data folder
    // refuses the user and the client is virtualized, the change goes to the VirtualStore,
    // folders and all; otherwise the refusal goes on to the caller.
    void Change(const std::wstring& path, const std::function<void(const std::wstring&)>& change);

private:
    std::optional<std::wstring> StorePath(const std::wstring& path);
    bool ClientIsVirtualized(const std::wstring& path);
    bool VirtualizationIsOn();

    platform::FileSystem& files_;
    platform::Registry& registry_;
    platform::Environment& environment_;
};

// Whether the failure is a write refused for lack of rights, as a folder below Program Files
// refuses a standard user.
bool LacksRights(const errors::ErrorRecord& failure);

}  // namespace app
