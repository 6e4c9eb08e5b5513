#pragma once
// Self-registration of cButton: the class, its ProgID, the control marking and the type
// library with its interfaces. Machine-wide where the user may write there, otherwise for
// the current user alone, so that no administrator rights are needed.

#include <windows.h>

#include <string>

namespace button {

HRESULT RegisterServer(const std::wstring& libraryPath);
HRESULT UnregisterServer();

// The same below a given classes key (HKEY_LOCAL_MACHINE\Software\Classes or
// HKEY_CURRENT_USER\Software\Classes). Unregistering removes exactly what registering wrote.
HRESULT RegisterServerIn(HKEY classes, const std::wstring& libraryPath);
HRESULT UnregisterServerIn(HKEY classes);

}  // namespace button
