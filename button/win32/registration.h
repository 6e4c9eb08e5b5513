#pragma once
// Self-registration of cButton: the class, its ProgID, the control marking and the type
// library with its interfaces. Machine-wide where the user may write there, otherwise for
// the current user alone, so that no administrator rights are needed.
//
// The 32-bit and the 64-bit library can be registered side by side on 64-bit Windows: each
// has its class and interface keys in its own registry view and its own entry in the type
// library's key, while the ProgID and the rest of the type library's key are shared and stay
// until the last of the two is unregistered.

#include <windows.h>

#include <string>

namespace button {

HRESULT RegisterServer(const std::wstring& libraryPath);
HRESULT UnregisterServer();

// The same in the classes of a given hive (HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER).
// Unregistering removes what registering wrote and nothing else: keys are removed only once
// nothing that others added is left in them.
HRESULT RegisterServerIn(HKEY hive, const std::wstring& libraryPath);
HRESULT UnregisterServerIn(HKEY hive);

}  // namespace button
