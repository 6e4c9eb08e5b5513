#pragma once
// frmShowError as a real window: a resizable frame holding one multi-line text box.

#include <windows.h>

#include "errors/report_window.h"

namespace errors {

class Win32ReportWindow final : public ReportView {
public:
    explicit Win32ReportWindow(HINSTANCE instance);
    ~Win32ReportWindow() override;
    Win32ReportWindow(const Win32ReportWindow&) = delete;
    Win32ReportWindow& operator=(const Win32ReportWindow&) = delete;

    void SetText(const std::wstring& text) override;
    bool IsVisible() override;
    bool ShowModeless() override;
    void ShowModal() override;
    bool Activate() override;
    void PlaceTextBox(int left, int top, int width, int height) override;

    HWND window() const { return window_; }
    HWND textBox() const { return textBox_; }

    static constexpr wchar_t kClassName[] = L"KalvexShowError";

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    void ApplyFont(UINT dpi);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND textBox_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace errors
