#pragma once
// frmShowError as a real window: a resizable frame holding one multi-line text box.

#include <windows.h>

#include "errors/report_window.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/window.h"

namespace errors {

class Win32ReportWindow final : public ReportView, public platform::Window {
public:
    explicit Win32ReportWindow(HINSTANCE instance);
    ~Win32ReportWindow() override;

    void SetText(const std::wstring& text) override;
    bool IsVisible() override;
    bool ShowModeless() override;
    void ShowModal() override;
    bool Activate() override;
    void PlaceTextBox(int left, int top, int width, int height) override;

    HWND window() const { return handle(); }
    HWND textBox() const { return textBox_; }

    static constexpr wchar_t kClassName[] = L"KalvexShowError";

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroying() override;
    void DpiChanged() override { ApplyFont(Dpi()); }
    void Create();
    void ApplyFont(UINT dpi);

    HINSTANCE instance_;
    HWND textBox_ = nullptr;
    platform::GdiObject<HFONT> font_;
};

}  // namespace errors
