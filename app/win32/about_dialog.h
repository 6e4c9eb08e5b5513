#pragma once
// frmInfo as a real dialog: modal, its pictures drawn on the white background, the labels
// over them, the two links with a hand cursor, and the Ok button of Vantor1.

#include <windows.h>

#include <ocidl.h>

#include "app/about_dialog.h"
#include "app/about_view.h"
#include "app/win32/form.h"
#include "platform/win32/com_ptr.h"

namespace app {
class Program;
}

namespace app::win32 {

class AboutDialog final : public Form, public AboutView {
public:
    AboutDialog(HINSTANCE instance, Program& program, HWND owner);

    // Loads the dialog and shows it modally.
    void Show();

    void SetText(AboutControl control, const std::wstring& text) override;
    void Close() override;

private:
    void OnCommand(int id, int code, HWND control) override;
    void OnPaint(HDC dc) override;
    bool OnSetCursor(HWND over) override;
    HWND Label(AboutControl control) const;

    HWND owner_;
    frmInfo frmInfo_;
    platform::ComPtr<IPicture> logo_, flower_;
    HWND lblVersion_ = nullptr, lblWebsite_ = nullptr, lblEMail_ = nullptr;
};

}  // namespace app::win32
