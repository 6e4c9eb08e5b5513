#pragma once
// frmSettings: the interface language and close-after-apply, applied at once by OK.

#include <cstdint>

#include "app/settings_view.h"

namespace app {

class Program;
class frmMain;

class frmSettings {
public:
    // OK's language switch goes to the main window that opens the dialog.
    frmSettings(Program& program, frmMain& main) : program_(program), main_(main) {}

    // The dialog's window for one showing; the pending choice outlives it.
    void Attach(SettingsView* view) { view_ = view; }

    void Form_Load();
    void combLanguage_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void SetSettingsLanguage(std::int16_t intLang);

    std::int16_t selectedLanguage() const { return intSelectedLang; }

private:
    SettingsView& View();

    Program& program_;
    frmMain& main_;
    SettingsView* view_ = nullptr;
    std::int16_t intSelectedLang = 0;
};

}  // namespace app
