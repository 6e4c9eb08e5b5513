#pragma once
// What the program's windows have in common: a white window whose controls are laid out in
// twips and placed in pixels at the window's dots per inch, the keyboard handling of a
// dialog (Tab, Enter, Escape, access keys, the hosted buttons' keys included), and modal
// showing over an owner.

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/win32/container/button_host.h"
#include "app/win32/container/stored_button.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/window.h"

namespace app::win32 {

// A control's place in a form's layout, in whole twips as the stored layouts give them.
struct LayoutRect {
    int left, top, width, height;
};

struct Typeface {
    const wchar_t* name;
    int hundredths;  // size in 1/100 point
    bool bold;
};

inline constexpr Typeface kStandardFont{L"MS Sans Serif", 825, false};

class Form : public platform::Window {
public:
    ~Form() override;

    HWND window() const { return handle(); }

    // Gives a key message to the form it is meant for, its hosted buttons first; true when
    // the message has been dealt with.
    static bool PreTranslate(MSG& message);
    // One message of a message loop: the forms' keyboard handling, else the window's own.
    static void Process(MSG& message);

protected:
    explicit Form(HINSTANCE instance) : instance_(instance) {}

    // Creates the window, hidden, with a client area of this size in twips.
    void Create(HWND owner, DWORD style, DWORD exStyle, const wchar_t* title, int clientWidth, int clientHeight);
    // Controls are created in tab order.
    HWND Add(const wchar_t* windowClass, const wchar_t* text, DWORD style, const LayoutRect& at,
             const Typeface& font = kStandardFont, int id = 0, DWORD exStyle = 0);
    ButtonHost& AddButton(const StoredButton& stored, const LayoutRect& at, std::function<void()> onClick);
    // The text colour of a label or option; a transparent one shows what the window drew beneath it.
    void SetTextColor(HWND control, COLORREF color, bool transparent = false);
    RECT PixelsOf(const LayoutRect& at) const;

    // Shows the window modally over its owner until EndModal or until it is closed.
    void ShowModal(HWND owner);
    void EndModal();

    virtual void OnCommand(int id, int code, HWND control);
    virtual void OnClose();  // closing a modal form ends it
    virtual void OnPaint(HDC dc);
    virtual bool OnSetCursor(HWND over);

    HINSTANCE instance_;

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroying() override;
    void DpiChanged() override;  // lays the controls out anew
    LRESULT ColorStatic(HDC dc, HWND control);
    void OnActivate(bool active);
    HFONT FontFor(const Typeface& font);

    struct Placed {
        HWND window;
        LayoutRect at;
        Typeface font;
    };
    struct Look {
        HWND control;
        COLORREF color;
        bool transparent;
    };
    struct Font {
        Typeface face;
        UINT dpi;
        platform::GdiObject<HFONT> handle;
    };
    struct Button {
        std::unique_ptr<ButtonHost> host;
        LayoutRect at;
    };

    std::vector<Placed> controls_;
    std::vector<Button> buttons_;
    std::vector<Look> looks_;
    std::vector<Font> fonts_;
    HWND lastFocus_ = nullptr;
};

}  // namespace app::win32
