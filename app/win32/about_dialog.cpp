#include "app/win32/about_dialog.h"

#include "app/program.h"
#include "app/win32/pictures.h"
#include "app/win32/resources.h"

namespace app::win32 {

namespace {

constexpr int kClientWidth = 4620, kClientHeight = 3255;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kWebsiteId = 101, kEMailId = 102;

constexpr LayoutRect kLogo{120, 120, 480, 480};
constexpr LayoutRect kFlower{2160, 720, 2340, 2415};

constexpr Typeface kTitleFont{L"MS Sans Serif", 1350, true};
constexpr Typeface kLabelFont{L"MS Sans Serif", 975, false};
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kPaleBlue = RGB(128, 128, 255);

constexpr StoredButton kOk{L"Ok", kRoundedRectangle, kWindowBackground, kBlack, 0, true, 1200};

}  // namespace

AboutDialog::AboutDialog(HINSTANCE instance, Program& program, HWND owner)
    : Form(instance), owner_(owner), frmInfo_(program, *this) {
    Create(owner, kStyle, WS_EX_DLGMODALFRAME, L"Info", kClientWidth, kClientHeight);
    logo_ = IconPicture(instance, IDI_KALVEX3, PixelsOf(kLogo).right - PixelsOf(kLogo).left);
    flower_ = ResourcePicture(instance, IDR_FLOWER);

    // Labels lie over the flower, which shows through them.
    constexpr DWORD label = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
    constexpr DWORD link = WS_VISIBLE | SS_CENTER | SS_NOPREFIX | SS_NOTIFY;
    HWND title = Add(L"Static", L"ICQLite Kalvex 3", label, {720, 120, 3615, 375}, kTitleFont);
    lblVersion_ = Add(L"Static", L"Version x.x.x", label, {240, 720, 3975, 255}, kLabelFont);
    HWND copyright = Add(L"Static", L"Copyright © Kalvex", label, {240, 1080, 4095, 255}, kLabelFont);
    lblWebsite_ = Add(L"Static", L"http://", link, {0, 1560, 4455, 255}, kLabelFont, kWebsiteId);
    lblEMail_ = Add(L"Static", L"E-Mailadresse", link, {0, 2040, 4455, 255}, kLabelFont, kEMailId);
    AddButton(kOk, {1560, 2520, 1455, 495}, [this] { frmInfo_.cbtnOk_Click(); });

    SetTextColor(title, kBlue, true);
    SetTextColor(lblVersion_, GetSysColor(COLOR_WINDOWTEXT), true);
    SetTextColor(copyright, kPaleBlue, true);
    SetTextColor(lblWebsite_, kBlue, true);
    SetTextColor(lblEMail_, kBlue, true);
}

void AboutDialog::Show() {
    frmInfo_.Form_Load();
    ShowModal(owner_);
}

HWND AboutDialog::Label(AboutControl control) const {
    switch (control) {
    case AboutControl::lblVersion: return lblVersion_;
    case AboutControl::lblWebsite: return lblWebsite_;
    case AboutControl::lblEMail: return lblEMail_;
    }
    return nullptr;
}

void AboutDialog::SetText(AboutControl control, const std::wstring& text) {
    HWND label = Label(control);
    SetWindowTextW(label, text.c_str());
    // A transparent label leaves its old text behind unless the window beneath is drawn again.
    RECT area;
    GetWindowRect(label, &area);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(window(), &area, TRUE);
}

void AboutDialog::Close() { EndModal(); }

void AboutDialog::OnCommand(int id, int code, HWND) {
    if (code != STN_CLICKED) return;
    if (id == kWebsiteId) frmInfo_.lblWebsite_Click();
    if (id == kEMailId) frmInfo_.lblEMail_Click();
    if (id == IDCANCEL) EndModal();  // Escape closes the dialog as its close box does
}

void AboutDialog::OnPaint(HDC dc) {
    DrawPicture(dc, logo_.get(), PixelsOf(kLogo));
    DrawPicture(dc, flower_.get(), PixelsOf(kFlower));
}

bool AboutDialog::OnSetCursor(HWND over) {
    if (over != lblWebsite_ && over != lblEMail_) return false;
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
    return true;
}

}  // namespace app::win32
