#include "errors/report_window.h"

#include "platform/message_box.h"

namespace errors {

namespace {

void ShowWindow(ReportView& window) {
    bool shown = false;
    try {
        shown = window.ShowModeless();
    } catch (...) {
    }
    if (!shown) window.ShowModal();
}

}  // namespace

void SetErrorReport(ReportView& window, const std::wstring& text) {
    window.SetText(text);
    if (!window.IsVisible()) ShowWindow(window);
    try {
        window.Activate();
    } catch (...) {
    }
}

void ShowReportWindowModal(ReportView& window) {
    window.SetText(std::wstring());
    window.ShowModal();
}

void OnReportWindowResize(ReportView& window, int clientWidth, int clientHeight) {
    window.PlaceTextBox(0, 0, clientWidth, clientHeight);
}

void ShowUserMessage(platform::MessageBoxes& boxes, const std::wstring& text) {
    boxes.Show(text, kUserMessageTitle, platform::MessageButtons::Ok, platform::MessageIcon::None);
}

}  // namespace errors
