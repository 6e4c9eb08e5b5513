#include "platform/win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/program_folder.h"
#include "platform/win32/system_library.h"

namespace platform {

void Win32Shell::Open(const std::wstring& target) {
    static const auto shellExecute = SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    const std::wstring folder = ProgramFolder();
    // Whether a program took the target is not the caller's concern.
    shellExecute(GetActiveWindow(), L"open", target.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

}  // namespace platform
