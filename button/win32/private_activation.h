#pragma once
// Creating cButton without its registration: the library is loaded from a given folder
// (the program's own) and asked for its class factory directly. The library then stays
// loaded for the rest of the process, as the objects it made may live that long.

#include <windows.h>

#include <unknwn.h>

#include <string>

namespace button {

// folder ends in a backslash; the library there is "Vantor1.dll".
HRESULT CreateButtonFromFolder(const std::wstring& folder, REFIID riid, void** object);
// The library's class factory, for a caller that creates several buttons.
HRESULT GetButtonFactoryFromFolder(const std::wstring& folder, IClassFactory** factory);

}  // namespace button
