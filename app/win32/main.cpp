// Kalvex3's entry point: the Windows services behind the program's behaviour, the main
// window, and the message loop, which runs until the program's last window has closed.

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <optional>
#include <string>

#include "app/program.h"
#include "app/win32/main_window.h"
#include "exception/error.h"
#include "errors/win32/report_window.h"
#include "platform/program_identity.h"
#include "platform/win32/code_page.h"
#include "platform/win32/environment.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/file_system.h"
#include "platform/win32/message_box.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/registry.h"
#include "platform/win32/screen.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/user_locale.h"

namespace {

int Run(HINSTANCE instance) {
    platform::Win32Registry registry;
    platform::Win32ProcessStarter processStarter;
    platform::Win32FileSystem fileSystem;
    platform::Win32AnsiCodePage codePage;
    platform::Win32MessageBoxes messageBoxes;
    platform::Win32FileDialog fileDialog;
    platform::Win32Shell shell;
    platform::Win32Screen screen;
    platform::Win32UserLocale locale;
    platform::Win32SystemInfo system;
    platform::Win32Environment environment;
    errors::Win32ReportWindow reportWindow(instance);

    const app::Services services{registry, processStarter, fileSystem, codePage, messageBoxes,
                                 fileDialog, shell, screen, locale, system, environment, reportWindow};
    app::Program program(services);
    std::optional<app::win32::MainWindow> mainWindow;
    try {
        mainWindow.emplace(instance, program);
    } catch (const errors::Error& failure) {
        // Without its window and buttons the program cannot run at all.
        messageBoxes.Show(L"Run-time error '" + std::to_wstring(failure.record().number) + L"':\n\n" +
                              failure.record().description,
                          platform::kProgramName, platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        return 1;
    }

    // An error report shown as the main window closed stays until the user has read it.
    MSG message;
    while (mainWindow->window() || reportWindow.IsVisible()) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
        app::win32::Form::Process(message);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (FAILED(OleInitialize(nullptr))) return 1;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const int exitCode = Run(instance);
    OleUninitialize();
    return exitCode;
}
