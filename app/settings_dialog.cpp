#include "app/settings_dialog.h"

#include <string>

#include "app/interface_texts.h"
#include "app/language.h"
#include "app/program.h"
#include "app/registry_store.h"
#include "app/settings_table.h"
#include "errors/frame.h"

namespace app {

SettingsView& frmSettings::View() {
    if (!view_) errors::Raise(errors::RuntimeError::ObjectNotSet);
    return *view_;
}

void frmSettings::Form_Load() {
    errors::Frame frame(L"frmSettings.Form_Load", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        SetSettingsLanguage(program_.intLanguage);
        frame.at(30);
        View().SetCheckState(program_.intCloseAfterChange);
        frame.at(40);
        for (const wchar_t* name : texts::kLanguageNames) View().AddLanguage(name);
        frame.at(50);
        const int position = program_.intLanguage - 1;
        if (position < -1 || position >= View().LanguageCount()) errors::Raise(errors::RuntimeError::InvalidPropertyValue);
        View().SelectLanguage(position);
        combLanguage_Click();  // selecting from code counts as the user's choice
    });
}

void frmSettings::combLanguage_Click() {
    errors::Frame frame(L"frmSettings.combLanguage_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        intSelectedLang = static_cast<std::int16_t>(View().SelectedLanguage() + 1);
    });
}

void frmSettings::cmdOk_Click() {
    errors::Frame frame(L"frmSettings.cmdOk_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        if (intSelectedLang > -1) {
            basMain::SetLanguage(program_, main_, intSelectedLang);
            frame.at(30);
            program_.intLanguage = intSelectedLang;
        }
        frame.at(40);
        program_.intCloseAfterChange = static_cast<std::int16_t>(View().CheckState());
        frame.at(50);
        program_.objReg().WriteEntry(settings::kCloseAfterChange.name, std::to_wstring(program_.intCloseAfterChange));
        frame.at(60);
        View().Close();
    });
}

void frmSettings::cmdCancel_Click() {
    errors::Frame frame(L"frmSettings.cmdCancel_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        View().Close();
    });
}

void frmSettings::SetSettingsLanguage(std::int16_t intLang) {
    errors::Frame frame(L"frmSettings.SetSettingsLanguage(intLang)", errors::Procedure,
                        [&] { return errors::Value(intLang); });
    frame.run([&] {
        frame.at(20);
        for (const auto& text : texts::kSettingsDialog)
            View().SetText(text.control, texts::Pick(intLang, text.german, text.english));
    });
}

}  // namespace app
