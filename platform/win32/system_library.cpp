#include "platform/win32/system_library.h"

#include <string>

#include "platform/win32/last_error.h"

namespace platform {

namespace {

HMODULE LoadSystemLibrary(const wchar_t* library) {
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Windows 7 without update KB2533623 knows no search flags and refuses them as invalid;
    // there the library is named by its full path in the system folder instead, and what it
    // needs in turn is looked for beside it first.
    if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L'\\' + library;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

FARPROC SystemLibraryFunction(const wchar_t* library, const char* name) {
    const HMODULE module = LoadSystemLibrary(library);
    if (!module) RaiseLastError();
    const FARPROC function = GetProcAddress(module, name);
    if (!function) RaiseLastError();
    return function;
}

}  // namespace platform
