#pragma once
// What frmSettings' behaviour needs of its dialog.

#include <string>

namespace app {

enum class SettingsControl { lblLanguage, chkCloseAfterApply, cmdCancel, Title };

class SettingsView {
public:
    virtual ~SettingsView() = default;
    virtual void SetText(SettingsControl control, const std::wstring& text) = 0;
    // 0 unchecked, 1 checked, 2 greyed; the check box refuses any other state with an error.
    virtual void SetCheckState(int state) = 0;
    virtual int CheckState() = 0;
    virtual void AddLanguage(const std::wstring& text) = 0;
    virtual int LanguageCount() = 0;
    virtual void SelectLanguage(int position) = 0;  // -1: no entry selected
    virtual int SelectedLanguage() = 0;             // -1 when none is
    virtual void Close() = 0;
};

}  // namespace app
