#include "platform/win32/system_library.h"

#include "errors/error.h"

namespace platform {

namespace {

[[noreturn]] void RaiseLastError() {
    const DWORD code = GetLastError();
    errors::Raise(errors::RuntimeErrorForSystemCode(code), static_cast<std::int32_t>(code));
}

}  // namespace

FARPROC SystemLibraryFunction(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) RaiseLastError();
    const FARPROC function = GetProcAddress(module, name);
    if (!function) RaiseLastError();
    return function;
}

}  // namespace platform
