#include "platform/win32/process_starter.h"

#include <windows.h>

#include "platform/win32/command_line.h"

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
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace platform
