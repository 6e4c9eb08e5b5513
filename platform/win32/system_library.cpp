#include "platform/win32/system_library.h"

#include "platform/win32/last_error.h"

namespace platform {

FARPROC SystemLibraryFunction(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) RaiseLastError();
    const FARPROC function = GetProcAddress(module, name);
    if (!function) RaiseLastError();
    return function;
}

}  // namespace platform
