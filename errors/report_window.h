#pragma once
// The behaviour of the report window frmShowError and of the user message box; the
// window itself is the platform's (errors/win32/report_window.cpp on Windows).

#include <string>

#include "errors/report_view.h"

namespace platform {
class MessageBoxes;
}

namespace errors {

inline constexpr wchar_t kUserMessageTitle[] = L"Kalvex 3";

// frmShowError.ErrorReport = text
void SetErrorReport(ReportView& window, const std::wstring& text);
// ShowErrorReport(True): the window modally, before its text is set.
void ShowReportWindowModal(ReportView& window);
// The text box fills the client area whenever its size changes.
void OnReportWindowResize(ReportView& window, int clientWidth, int clientHeight);

void ShowUserMessage(platform::MessageBoxes& boxes, const std::wstring& text);

}  // namespace errors
