// Kalvex3's entry point. Until the main window exists, the program shows what every
// failure ends in: the error report window, here with a report of a sample failure.

#include <windows.h>
#include <objbase.h>

#include "errors/err_trace.h"
#include "errors/frame.h"
#include "errors/win32/report_window.h"
#include "platform/win32/message_box.h"
#include "platform/win32/system_info.h"

namespace {

void OpenForOutput(const std::wstring& strPath, const std::wstring& strBody) {
    errors::Frame frame(L"clsFile.OpenForOutput(strPath,strBody)", errors::Procedure,
                        [&] { return errors::Args(strPath, strBody); });
    frame.run([&] {
        frame.at(20);
        HANDLE file = CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD code = GetLastError();
            errors::Raise(errors::RuntimeErrorForSystemCode(code), static_cast<std::int32_t>(code));
        }
        CloseHandle(file);
    });
}

void SampleClick() {
    errors::Frame frame(L"frmMain.cbtnApply_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        OpenForOutput(L"C:\\Program Files\\ICQLite\\Missing\\LiteDataFiles\\climage.html", L"<html></html>");
    });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    platform::Win32SystemInfo system;
    platform::Win32MessageBoxes messageBoxes;
    errors::Win32ReportWindow reportWindow(instance);
    errors::UseSystemInfo(system);
    errors::UseMessageBoxes(messageBoxes);
    errors::UseReportWindow(reportWindow);

    SampleClick();

    MSG message;
    while (reportWindow.window() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CoUninitialize();
    return 0;
}
