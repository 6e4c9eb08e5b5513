#include "app/win32/settings_dialog.h"

#include "app/settings_dialog.h"
#include "exception/error.h"

namespace app::win32 {

namespace {

constexpr int kClientWidth = 3375, kClientHeight = 2175;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kLanguageId = 101, kCloseAfterApplyId = 102, kCancelId = 103, kOkId = 104;
// The list's height when it drops down, room for both languages.
constexpr int kDroppedHeight = 1200;

// Attached to the main window's dialog for as long as the window shows.
class Attachment {
public:
    Attachment(frmSettings& dialog, SettingsView& view) : dialog_(dialog) { dialog_.Attach(&view); }
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;
    ~Attachment() { dialog_.Attach(nullptr); }

private:
    frmSettings& dialog_;
};

}  // namespace

SettingsDialog::SettingsDialog(HINSTANCE instance, frmSettings& dialog, HWND owner)
    : Form(instance), dialog_(dialog), owner_(owner) {
    Create(owner, kStyle, WS_EX_DLGMODALFRAME, L"Einstellungen", kClientWidth, kClientHeight);
    constexpr DWORD shown = WS_VISIBLE | WS_CLIPSIBLINGS;
    lblLanguage_ = Add(L"Static", L"Sprache", shown | SS_LEFT | SS_NOPREFIX, {240, 240, 855, 255});
    combLanguage_ = Add(L"ComboBox", L"", shown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                        {1080, 240, 2055, kDroppedHeight}, kStandardFont, kLanguageId);
    chkCloseAfterApply_ = Add(L"Button", L"Nach Übernahme der Änderungen Kalvex schließen",
                              shown | WS_TABSTOP | BS_3STATE | BS_MULTILINE, {240, 720, 2895, 615}, kStandardFont,
                              kCloseAfterApplyId);
    cmdCancel_ = Add(L"Button", L"Abbrechen", shown | WS_TABSTOP | BS_PUSHBUTTON, {720, 1560, 1215, 375},
                     kStandardFont, kCancelId);
    cmdOk_ = Add(L"Button", L"Ok", shown | WS_TABSTOP | BS_PUSHBUTTON, {1920, 1560, 1215, 375}, kStandardFont, kOkId);
}

void SettingsDialog::Show() {
    Attachment attached(dialog_, *this);
    dialog_.Form_Load();
    ShowModal(owner_);
}

void SettingsDialog::SetText(SettingsControl control, const std::wstring& text) {
    HWND target = window();
    switch (control) {
    case SettingsControl::lblLanguage: target = lblLanguage_; break;
    case SettingsControl::chkCloseAfterApply: target = chkCloseAfterApply_; break;
    case SettingsControl::cmdCancel: target = cmdCancel_; break;
    case SettingsControl::Title: break;
    }
    SetWindowTextW(target, text.c_str());
}

void SettingsDialog::SetCheckState(int state) {
    if (state < BST_UNCHECKED || state > BST_INDETERMINATE) errors::Raise(errors::RuntimeError::InvalidPropertyValue);
    SendMessageW(chkCloseAfterApply_, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

int SettingsDialog::CheckState() { return static_cast<int>(SendMessageW(chkCloseAfterApply_, BM_GETCHECK, 0, 0)); }

void SettingsDialog::AddLanguage(const std::wstring& text) {
    SendMessageW(combLanguage_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int SettingsDialog::LanguageCount() { return static_cast<int>(SendMessageW(combLanguage_, CB_GETCOUNT, 0, 0)); }

void SettingsDialog::SelectLanguage(int position) {
    SendMessageW(combLanguage_, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int SettingsDialog::SelectedLanguage() {
    const LRESULT selected = SendMessageW(combLanguage_, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

void SettingsDialog::Close() { EndModal(); }

void SettingsDialog::OnCommand(int id, int code, HWND) {
    if (id == kLanguageId && code == CBN_SELCHANGE) dialog_.combLanguage_Click();
    if (code != BN_CLICKED) return;
    switch (id) {
    case kCloseAfterApplyId:
        // The user switches between unchecked and checked; greyed is set by the program only.
        SendMessageW(chkCloseAfterApply_, BM_SETCHECK, CheckState() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case kOkId: dialog_.cmdOk_Click(); break;
    case kCancelId: dialog_.cmdCancel_Click(); break;
    case IDCANCEL: EndModal(); break;  // Escape closes the dialog as its close box does
    default: break;
    }
}

}  // namespace app::win32
