#pragma once
// frmMain as a real window: its controls as the stored layout places them, the five
// buttons of Vantor1, the preview, and the window messages that become its events.

#include <windows.h>

#include <map>

#include "app/main_view.h"
#include "app/main_window.h"
#include "app/win32/form.h"

namespace app {
class Program;
}

namespace app::win32 {

class MainWindow final : public Form, public MainView {
public:
    // Creates the window with its controls, runs Form_Load and then shows the window.
    MainWindow(HINSTANCE instance, Program& program);

    frmMain& logic() { return frmMain_; }
    // The window of a control; for a button, the control's own window.
    HWND Control(MainControl control) const;

    void SetText(MainControl control, const std::wstring& text) override;
    std::wstring Text(MainControl control) override;
    void SetVisible(MainControl control, bool visible) override;
    void SetEnabled(MainControl control, bool enabled) override;
    bool IsSelected(MainControl option) override;
    void Select(MainControl option) override;
    void LoadPreview(const std::wstring& path) override;
    float Left() override;
    float Top() override;
    float Width() override;
    float Height() override;
    void Move(float left, float top) override;
    void Close() override;
    void ShowSettingsDialog() override;
    void ShowAboutDialog() override;

private:
    void OnCommand(int id, int code, HWND control) override;
    void OnClose() override;
    void CreateControls();
    ButtonHost* Button(MainControl control) const;
    RECT NormalRect() const;

    Program& program_;
    std::map<MainControl, HWND> windows_;
    std::map<MainControl, ButtonHost*> buttons_;
    HWND preview_ = nullptr;
    frmMain frmMain_;
};

}  // namespace app::win32
