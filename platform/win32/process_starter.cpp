#include "platform/win32/process_starter.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/command_line.h"
#include "platform/win32/program_folder.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/system_library.h"

namespace platform {

void Win32ProcessStarter::Start(const std::wstring& program, const std::vector<std::wstring>& arguments) {
    std::wstring line = CommandLine(program, arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    const KernelHandle thread(process.hThread), started(process.hProcess);
}

bool Win32ProcessStarter::RestartElevated() {
    static const auto shellExecuteEx =
        SystemFunction<decltype(&ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
    const std::wstring program = ProgramPath();
    if (program.empty()) return false;
    // The verb asks the system for the rights; the user's refusal or cancel is a failure here.
    SHELLEXECUTEINFOW execute = {};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    execute.hwnd = GetActiveWindow();
    execute.lpVerb = L"runas";
    execute.lpFile = program.c_str();
    execute.nShow = SW_SHOWNORMAL;
    return shellExecuteEx(&execute) != FALSE;
}

}  // namespace platform
