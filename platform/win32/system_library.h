#pragma once
// Functions of system libraries that the program needs only once the user asks for
// something. Linking against such a library would load it, and every library it needs in
// turn, at each start of the program; here it is loaded by the first call instead, from
// the system folder only, and stays loaded.

#include <windows.h>

namespace platform {

// The function; raises the error that the system reports when the library or the function
// is missing.
FARPROC SystemLibraryFunction(const wchar_t* library, const char* name);

// A function's address as the function's own type.
template <class Function>
Function AsFunction(FARPROC address) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    return AsFunction<Function>(SystemLibraryFunction(library, name));
}

// A function that later versions of Windows add to a library every program has loaded
// (user32), or null where this Windows lacks it.
template <class Function>
Function NewerFunction(const wchar_t* loadedLibrary, const char* name) {
    return AsFunction<Function>(GetProcAddress(GetModuleHandleW(loadedLibrary), name));
}

}  // namespace platform
