#include "app/win32/main_window.h"

#include "app/program.h"
#include "app/win32/about_dialog.h"
#include "app/win32/image_control.h"
#include "app/win32/pictures.h"
#include "app/win32/main_window_buttons.h"
#include "app/win32/resources.h"
#include "app/win32/settings_dialog.h"
#include "platform/win32/screen.h"

namespace app::win32 {

namespace {

using C = MainControl;

constexpr wchar_t kTitle[] = L"ICQLite Kalvex 3";
constexpr int kClientWidth = 4575, kClientHeight = 4935;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFullSizePictureId = 101, kOpenURLId = 102, kURLId = 103;

constexpr COLORREF kMediumBlue = RGB(128, 128, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr Typeface kButtonFont{L"MS Sans Serif", 975, false};


constexpr LayoutRect kFrame{120, 1800, 4335, 1575};

// The frame's children lie relative to the frame.
constexpr LayoutRect InFrame(int left, int top, int width, int height) {
    return {kFrame.left + left, kFrame.top + top, width, height};
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Program& program)
    : Form(instance), program_(program), frmMain_(program, *this) {
    Create(nullptr, kStyle, 0, kTitle, kClientWidth, kClientHeight);
    CreateControls();
    frmMain_.Form_Load();
    ShowWindow(window(), SW_SHOW);
}

void MainWindow::CreateControls() {
    RegisterImageControl(instance_);
    constexpr DWORD label = WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX;
    // In tab order.
    buttons_[C::cbtnOpen] = &AddButton(kOpenButton, {240, 1080, 2295, 615}, [this] { frmMain_.cbtnOpen_Click(); });
    buttons_[C::cbtnRemoveBanner] =
        &AddButton(kRemoveBannerButton, {240, 360, 2295, 615}, [this] { frmMain_.cbtnRemoveBanner_Click(); });
    windows_[C::fraPictureClick] =
        Add(L"Button", L"Beim Klicken auf das Bild...", WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, kFrame);
    windows_[C::optFullSizePicture] =
        Add(L"Button", L"Bild in original Größe öffnen", WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
            InFrame(120, 360, 4095, 255), kStandardFont, kFullSizePictureId);
    windows_[C::optOpenURL] = Add(L"Button", L"Folgende URL öffnen", WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON,
                                  InFrame(120, 720, 4095, 255), kStandardFont, kOpenURLId);
    windows_[C::txtURL] = Add(L"Edit", L"", WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_DISABLED | ES_AUTOHSCROLL,
                              InFrame(360, 1080, 3855, 285), kStandardFont, kURLId, WS_EX_CLIENTEDGE);
    buttons_[C::cbtnApply] = &AddButton(kApplyButton, {120, 3480, 4335, 615}, [this] { frmMain_.cbtnApply_Click(); });
    buttons_[C::cbtnInfo] = &AddButton(kInfoButton, {120, 4200, 2055, 615}, [this] { frmMain_.cbtnInfo_Click(); });
    windows_[C::lblPreview] = Add(L"Static", L"Vorschau:", label, {2640, 120, 1815, 255});
    windows_[C::lblRemovedBanner] = Add(L"Static", L"Banner wurden bereits entfernt", label, {240, 600, 2295, 255});
    windows_[C::lblNotFound] = Add(L"Static", L"Das Bild wurde gelöscht oder verschoben", label & ~WS_VISIBLE,
                                   {2640, 480, 1815, 1095});
    buttons_[C::cbtnSettings] =
        &AddButton(kSettingsButton, {2400, 4200, 2055, 615}, [this] { frmMain_.cbtnSettings_Click(); });
    preview_ = Add(kImageControlClass, L"", WS_VISIBLE | WS_CLIPSIBLINGS, {2640, 360, 1800, 1350});

    SendMessageW(windows_[C::optFullSizePicture], BM_SETCHECK, BST_CHECKED, 0);
    SetTextColor(windows_[C::lblPreview], kGrey);
    SetTextColor(windows_[C::lblRemovedBanner], kMediumBlue);
    SetTextColor(windows_[C::lblNotFound], kRed);
    // The frame lies beneath the controls it groups.
    SetWindowPos(windows_[C::fraPictureClick], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The preview's heading reaches a twip into the preview: it lies beneath, or its
    // background would cover the picture's first row. lblNotFound stays above both.
    SetWindowPos(windows_[C::lblPreview], preview_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

ButtonHost* MainWindow::Button(MainControl control) const {
    const auto found = buttons_.find(control);
    return found == buttons_.end() ? nullptr : found->second;
}

HWND MainWindow::Control(MainControl control) const {
    if (ButtonHost* button = Button(control)) return button->window();
    const auto found = windows_.find(control);
    return found == windows_.end() ? nullptr : found->second;
}

void MainWindow::SetText(MainControl control, const std::wstring& text) {
    if (ButtonHost* button = Button(control)) {
        button->SetCaption(text);
        return;
    }
    SetWindowTextW(Control(control), text.c_str());
}

std::wstring MainWindow::Text(MainControl control) {
    if (ButtonHost* button = Button(control)) return button->Caption();
    HWND window = Control(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void MainWindow::SetVisible(MainControl control, bool visible) {
    if (ButtonHost* button = Button(control)) {
        button->SetVisible(visible);
        return;
    }
    ShowWindow(Control(control), visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::SetEnabled(MainControl control, bool enabled) {
    if (ButtonHost* button = Button(control)) {
        button->SetEnabled(enabled);
        return;
    }
    EnableWindow(Control(control), enabled);
}

bool MainWindow::IsSelected(MainControl option) {
    return SendMessageW(Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::Select(MainControl option) {
    CheckRadioButton(window(), kFullSizePictureId, kOpenURLId, GetDlgCtrlID(Control(option)));
}

// Before the window shows (at start-up), the picture is only checked as far as its header
// goes, and decoded once the window paints: a big photo does not hold back the window.
void MainWindow::LoadPreview(const std::wstring& path) {
    if (!IsWindowVisible(window())) {
        CheckPictureFile(path);
        ShowPictureWhenPainted(preview_, path);
        return;
    }
    RECT box;
    GetClientRect(preview_, &box);
    ShowPicture(preview_, PreviewBitmap(path, box.right, box.bottom));
}

// Where the window is when neither minimised nor maximised, in screen pixels: closed from
// either state, the window is to open again where the user left it. The placement gives
// workspace coordinates, which start at the top left of the work area of the window's
// monitor; a taskbar at the top or the left of that monitor makes them differ from screen
// coordinates.
RECT MainWindow::NormalRect() const {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    RECT r = {};
    if (!GetWindowPlacement(window(), &placement)) {
        GetWindowRect(window(), &r);
        return r;
    }
    r = placement.rcNormalPosition;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window(), MONITOR_DEFAULTTONEAREST), &monitor))
        OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    return r;
}

float MainWindow::Left() { return platform::ScreenTwips(NormalRect().left); }

float MainWindow::Top() { return platform::ScreenTwips(NormalRect().top); }

float MainWindow::Width() {
    RECT r;
    GetWindowRect(window(), &r);
    return platform::ScreenTwips(r.right - r.left);
}

float MainWindow::Height() {
    RECT r;
    GetWindowRect(window(), &r);
    return platform::ScreenTwips(r.bottom - r.top);
}

void MainWindow::Move(float left, float top) {
    SetWindowPos(window(), nullptr, platform::ScreenPixels(left), platform::ScreenPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window closes once the running event has ended, as its controls are still in use.
void MainWindow::Close() { PostMessageW(window(), WM_CLOSE, 0, 0); }

void MainWindow::ShowSettingsDialog() { SettingsDialog(instance_, frmMain_.settingsDialog(), window()).Show(); }

void MainWindow::ShowAboutDialog() { AboutDialog(instance_, program_, window()).Show(); }

void MainWindow::OnCommand(int id, int code, HWND control) {
    // A stored picture that turned out not to decode is as good as missing, as start-up
    // treats one whose header already tells so.
    if (control == preview_ && code == kPictureNotShown) SetVisible(C::lblNotFound, true);
    if (code != BN_CLICKED) return;
    if (id == kFullSizePictureId) frmMain_.optFullSizePicture_Click();
    if (id == kOpenURLId) frmMain_.optOpenURL_Click();
}

void MainWindow::OnClose() {
    std::int16_t cancel = 0;
    frmMain_.Form_Unload(cancel);
    DestroyWindow(window());
}

}  // namespace app::win32
