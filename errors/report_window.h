#pragma once
// The behaviour of the report window frmShowError and of the user message box; the
// window itself is the platform's (errors/win32/report_window.cpp on Windows).

#include <string>

namespace platform {
class MessageBoxes;
}

namespace errors {

inline constexpr wchar_t kUserMessageTitle[] = L"Kalvex 3";

// The one report window. It exists from the first SetText until the user closes it.
class ReportWindow {
public:
    virtual ~ReportWindow() = default;
    virtual void SetText(const std::wstring& text) = 0;  // creates the window, hidden, when there is none
    virtual bool IsVisible() = 0;
    virtual bool ShowModeless() = 0;  // false when the program's state forbids it (a modal dialog is up)
    virtual void ShowModal() = 0;     // returns when the user has closed the window
    virtual bool Activate() = 0;      // input focus, and so the front
    virtual void PlaceTextBox(int left, int top, int width, int height) = 0;
};

// frmShowError.ErrorReport = text
void SetErrorReport(ReportWindow& window, const std::wstring& text);
// ShowErrorReport(True): the window modally, before its text is set.
void ShowReportWindowModal(ReportWindow& window);
// The text box fills the client area whenever its size changes.
void OnReportWindowResize(ReportWindow& window, int clientWidth, int clientHeight);

void ShowUserMessage(platform::MessageBoxes& boxes, const std::wstring& text);

}  // namespace errors
