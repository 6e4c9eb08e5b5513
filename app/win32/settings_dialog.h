#pragma once
// frmSettings as a real dialog: modal, owned by the main window, white, with standard
// push buttons, a list of the two languages and a three-state check box.

#include <windows.h>

#include "app/settings_view.h"
#include "app/win32/form.h"

namespace app {
class frmSettings;
}

namespace app::win32 {

class SettingsDialog final : public Form, public SettingsView {
public:
    SettingsDialog(HINSTANCE instance, frmSettings& dialog, HWND owner);

    // Hands the window to the main window's one frmSettings, loads it and shows it modally.
    void Show();

    void SetText(SettingsControl control, const std::wstring& text) override;
    void SetCheckState(int state) override;
    int CheckState() override;
    void AddLanguage(const std::wstring& text) override;
    int LanguageCount() override;
    void SelectLanguage(int position) override;
    int SelectedLanguage() override;
    void Close() override;

private:
    void OnCommand(int id, int code, HWND control) override;

    frmSettings& dialog_;
    HWND owner_;
    HWND lblLanguage_ = nullptr, combLanguage_ = nullptr, chkCloseAfterApply_ = nullptr, cmdCancel_ = nullptr,
         cmdOk_ = nullptr;
};

}  // namespace app::win32
