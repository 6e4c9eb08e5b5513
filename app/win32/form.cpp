#include "app/win32/form.h"

#include <cwchar>

#include "app/win32/resources.h"
#include "platform/units.h"
#include "platform/win32/dpi.h"
#include "platform/win32/last_error.h"

namespace app::win32 {

namespace {

constexpr wchar_t kClassName[] = L"Kalvex3.Form";
constexpr wchar_t kFormProperty[] = L"Kalvex3.Form";

bool IsEditControl(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return _wcsicmp(name, L"Edit") == 0;
}

bool IsPushButton(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    const LONG_PTR kind = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return _wcsicmp(name, L"Button") == 0 && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
}

}  // namespace

Form::~Form() {
    buttons_.clear();
    if (handle()) RemovePropW(handle(), kFormProperty);
    DestroyDetached();
}

void Form::Create(HWND owner, DWORD style, DWORD exStyle, const wchar_t* title, int clientWidth, int clientHeight) {
    Register(instance_, {kClassName, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), 0,
                         LoadIconW(instance_, MAKEINTRESOURCEW(IDI_KALVEX3))});
    if (!CreateWindowFor(exStyle, kClassName, title, style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, instance_))
        platform::RaiseLastError();
    SetPropW(window(), kFormProperty, this);
    const UINT dpi = Dpi();
    RECT frame = {0, 0, platform::PixelsFromTwips(clientWidth, static_cast<int>(dpi)),
                  platform::PixelsFromTwips(clientHeight, static_cast<int>(dpi))};
    platform::AdjustFrameForDpi(frame, style, exStyle, dpi);
    SetWindowPos(window(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Form::PixelsOf(const LayoutRect& at) const {
    const int dpi = static_cast<int>(Dpi());
    const int left = platform::PixelsFromTwips(at.left, dpi), top = platform::PixelsFromTwips(at.top, dpi);
    return {left, top, left + platform::PixelsFromTwips(at.width, dpi),
            top + platform::PixelsFromTwips(at.height, dpi)};
}

HFONT Form::FontFor(const Typeface& face) {
    const UINT dpi = Dpi();
    for (const Font& font : fonts_)
        if (font.dpi == dpi && font.face.hundredths == face.hundredths && font.face.bold == face.bold &&
            std::wcscmp(font.face.name, face.name) == 0)
            return font.handle.get();
    HFONT handle = CreateFontW(-platform::PixelsFromHundredthsOfPoint(face.hundredths, static_cast<int>(dpi)), 0, 0, 0,
                               face.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               face.name);
    fonts_.push_back({face, dpi, platform::GdiObject<HFONT>(handle)});
    return handle;
}

HWND Form::Add(const wchar_t* windowClass, const wchar_t* text, DWORD style, const LayoutRect& at,
               const Typeface& font, int id, DWORD exStyle) {
    const RECT pixels = PixelsOf(at);
    HWND control = CreateWindowExW(exStyle, windowClass, text, WS_CHILD | style, pixels.left, pixels.top,
                                   pixels.right - pixels.left, pixels.bottom - pixels.top, window(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (!control) platform::RaiseLastError();
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(font)), FALSE);
    controls_.push_back({control, at, font});
    return control;
}

ButtonHost& Form::AddButton(const StoredButton& stored, const LayoutRect& at, std::function<void()> onClick) {
    auto host = std::make_unique<ButtonHost>(window(), stored, at.width, at.height, PixelsOf(at), std::move(onClick));
    buttons_.push_back({std::move(host), at});
    return *buttons_.back().host;
}

void Form::SetTextColor(HWND control, COLORREF color, bool transparent) {
    looks_.push_back({control, color, transparent});
}

void Form::ShowModal(HWND owner) {
    if (owner) {
        EnableWindow(owner, FALSE);
        RECT outer = {}, mine = {};
        GetWindowRect(owner, &outer);
        GetWindowRect(window(), &mine);
        const int width = mine.right - mine.left, height = mine.bottom - mine.top;
        SetWindowPos(window(), nullptr, (outer.left + outer.right - width) / 2, (outer.top + outer.bottom - height) / 2,
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window(), SW_SHOW);
    RunModalLoop(&Form::Process);
    // The owner takes the activation back before this window disappears.
    if (owner) EnableWindow(owner, TRUE);
    if (window()) ShowWindow(window(), SW_HIDE);
}

void Form::EndModal() { EndModalLoop(); }

void Form::OnCommand(int, int, HWND) {}
void Form::OnClose() { EndModal(); }
void Form::OnPaint(HDC) {}
bool Form::OnSetCursor(HWND) { return false; }

bool Form::PreTranslate(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    auto* form = static_cast<Form*>(GetPropW(root, kFormProperty));
    if (!form) return false;
    for (const Button& button : form->buttons_)
        if (button.host->TranslateKey(message)) return true;
    return IsDialogMessageW(root, &message) != FALSE;
}

void Form::Process(MSG& message) {
    if (PreTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Form::Destroying() { RemovePropW(window(), kFormProperty); }

LRESULT Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        OnPaint(dc);
        EndPaint(window(), &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (IsEditControl(reinterpret_cast<HWND>(lParam))) break;  // a disabled text box keeps its own look
        return ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    case WM_ACTIVATE:
        if (HIWORD(wParam)) break;  // a minimised window has no control to focus
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case DM_GETDEFID: {
        // Enter presses the push button that has the focus; elsewhere it presses nothing.
        HWND focus = GetFocus();
        if (focus && IsChild(window(), focus) && IsPushButton(focus))
            return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(window(), message, wParam, lParam);
}

LRESULT Form::ColorStatic(HDC dc, HWND control) {
    COLORREF color = GetSysColor(COLOR_WINDOWTEXT);
    bool transparent = false;
    for (const Look& look : looks_)
        if (look.control == control) {
            color = look.color;
            transparent = look.transparent;
        }
    ::SetTextColor(dc, color);
    if (transparent) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

// The focus comes back to the control that had it when the window was last left.
void Form::OnActivate(bool active) {
    HWND focus = GetFocus();
    if (!active) {
        if (focus && IsChild(window(), focus)) lastFocus_ = focus;
        return;
    }
    if (focus && IsChild(window(), focus)) return;
    HWND target = lastFocus_;
    if (!target || !IsWindow(target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(window(), nullptr, FALSE);
    SetFocus(target ? target : window());
}

void Form::DpiChanged() {
    for (const Placed& control : controls_) {
        const RECT pixels = PixelsOf(control.at);
        MoveWindow(control.window, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top,
                   FALSE);
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.font)), FALSE);
    }
    for (const Button& button : buttons_) button.host->Place(PixelsOf(button.at));
    InvalidateRect(window(), nullptr, TRUE);
}

}  // namespace app::win32
