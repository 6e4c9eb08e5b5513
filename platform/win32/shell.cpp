#include "platform/win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "exception/error.h"
#include "platform/win32/system_library.h"

namespace platform {

void Win32Shell::Open(const std::wstring& target) {
    static const auto shellExecute = SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!IsAddress(target)) errors::RaiseSystemError(ERROR_INVALID_PARAMETER);
    // The program that takes the address starts in the system folder, which only
    // administrators can write to, never beside the program or wherever it was started.
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    // Whether a program took the target is not the caller's concern.
    shellExecute(GetActiveWindow(), L"open", target.c_str(), nullptr, folder, SW_SHOWNORMAL);
}

}  // namespace platform
