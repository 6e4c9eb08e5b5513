#include "button/win32/server_lifetime.h"

#include <atomic>

namespace button {
namespace {

// Objects come and go on every thread a host creates buttons on.
std::atomic<int> objects = 0;
std::atomic<int> locks = 0;

}  // namespace

HMODULE LibraryModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&LibraryModule), &module);
    return module;
}

std::wstring LibraryPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(LibraryModule(), path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void ObjectCreated() { ++objects; }
void ObjectDestroyed() { --objects; }

void ServerLocked(bool lock) { locks += lock ? 1 : -1; }

bool ServerInUse() { return objects != 0 || locks != 0; }

}  // namespace button
