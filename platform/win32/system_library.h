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

template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemLibraryFunction(library, name)));
}

}  // namespace platform
