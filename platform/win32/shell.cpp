#include "platform/win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/program_folder.h"

namespace platform {

void Win32Shell::Open(const std::wstring& target) {
    const std::wstring folder = ProgramFolder();
    // Whether a program took the target is not the caller's concern.
    ShellExecuteW(GetActiveWindow(), L"open", target.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

}  // namespace platform
