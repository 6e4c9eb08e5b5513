// Vantor1's cButton in the program's container: created by class identity, restored from
// a stored layout, changed by dispatch id, hidden by the host, and reached by the mouse and
// the keyboard through the program's message handling.

#include <gtest/gtest.h>

#include <windows.h>

#include <olectl.h>

#include <string>

#include "app/win32/form.h"
#include "app/win32/resources.h"
#include "platform/win32/program_folder.h"
#include "support/window_driving.h"

using namespace app::win32;
using namespace testing_support;

namespace {

constexpr DISPID kButtonFontColor = 0x68030000, kButtonFont = 0x68030001, kButtonPictureStretch = 0x68030002,
                 kButtonPicture = 0x68030003, kButtonCaption = 0x68030004, kButtonForm = 0x68030005,
                 kButtonBackColor = 0x68030006, kButtonEnabled = 0x68030008;

constexpr StoredButton kOpen{L"Bild öffnen", kRoundedRectangle, kTooltipBackground, kButtonText, IDI_OPEN, false, 975};
// Everything but the caption and the font as the control assumes it when the layout says nothing.
constexpr StoredButton kGo{L"&Go", kRectangle, 0xFFFFFF, kBlack, 0, true, 1200};

// Two buttons with a text box between them, in this tab order.
class HostForm final : public Form {
public:
    HostForm() : Form(GetModuleHandleW(nullptr)) {
        Create(nullptr, WS_OVERLAPPED | WS_CAPTION, 0, L"Buttons", 6000, 3000);
        open = &AddButton(kOpen, {240, 240, 2295, 615}, [this] { ++openClicks; });
        text = Add(L"Edit", L"", WS_VISIBLE | WS_TABSTOP, {240, 1080, 2295, 285}, kStandardFont, 0, WS_EX_CLIENTEDGE);
        go = &AddButton(kGo, {2640, 240, 2295, 615}, [this] { ++goClicks; });
        ShowWindow(window(), SW_SHOW);
        Pump();
    }

    static void Pump() { PumpPending([](MSG& message) { Form::Process(message); }); }

    ButtonHost* open = nullptr;
    ButtonHost* go = nullptr;
    HWND text = nullptr;
    int openClicks = 0, goClicks = 0;
};

struct Variant : VARIANT {
    Variant() { VariantInit(this); }
    ~Variant() { VariantClear(this); }
};

void Get(IDispatch* control, DISPID id, Variant& value) {
    DISPPARAMS none = {};
    ASSERT_EQ(control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr),
              S_OK);
}

std::int32_t Number(IDispatch* control, DISPID id) {
    Variant value;
    Get(control, id, value);
    EXPECT_EQ(VariantChangeType(&value, &value, 0, VT_I4), S_OK);
    return value.lVal;
}

bool Flag(IDispatch* control, DISPID id) {
    Variant value;
    Get(control, id, value);
    EXPECT_EQ(value.vt, VT_BOOL);
    return value.boolVal != VARIANT_FALSE;
}

// The message as the keyboard posts it to the window with the focus.
void PostKey(UINT message, WPARAM key) {
    LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
    if (message == WM_SYSKEYDOWN) data |= 1 << 29;  // with Alt
    PostMessageW(GetFocus(), message, key, data);
}

// Holds keys down for the thread's view of the keyboard while it lives.
class HeldKey {
public:
    explicit HeldKey(BYTE key) : key_(key) { Set(0x80); }
    ~HeldKey() { Set(0); }

private:
    void Set(BYTE state) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[key_] = state;
        SetKeyboardState(keys);
    }
    BYTE key_;
};

// The font that the system draws for a face name it lacks.
std::wstring FaceStandingFor(const wchar_t* face) {
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    wchar_t realized[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, realized);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(font);
    return realized;
}

std::wstring LibraryBesideTheProgram() { return platform::ProgramFolder() + L"Vantor1.dll"; }

bool ButtonIsRegistered() {
    CLSID clsid;
    return SUCCEEDED(CLSIDFromProgID(L"Vantor1.cButton", &clsid));
}

class ButtonHostTest : public ::testing::Test {
protected:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};

}  // namespace

TEST_F(ButtonHostTest, RestoresTheStoredLayoutFromTheLibraryBesideTheProgram) {
    ASSERT_FALSE(ButtonIsRegistered());
    HostForm form;
    EXPECT_NE(GetModuleHandleW(LibraryBesideTheProgram().c_str()), nullptr);

    IDispatch* open = form.open->Dispatch();
    EXPECT_EQ(form.open->Caption(), L"Bild öffnen");
    EXPECT_EQ(Number(open, kButtonForm), kRoundedRectangle);
    EXPECT_EQ(static_cast<std::uint32_t>(Number(open, kButtonBackColor)), kTooltipBackground);
    EXPECT_EQ(static_cast<std::uint32_t>(Number(open, kButtonFontColor)), kButtonText);
    EXPECT_FALSE(Flag(open, kButtonPictureStretch));
    EXPECT_TRUE(Flag(open, kButtonEnabled));
    {
        Variant picture;
        Get(open, kButtonPicture, picture);
        ASSERT_TRUE(picture.vt == VT_DISPATCH && picture.pdispVal);
        Microsoft::WRL::ComPtr<IPicture> icon;
        ASSERT_EQ(picture.pdispVal->QueryInterface(IID_IPicture, reinterpret_cast<void**>(icon.GetAddressOf())), S_OK);
        OLE_XSIZE_HIMETRIC width = 0;
        icon->get_Width(&width);
        EXPECT_EQ(width, MulDiv(16, 2540, 96)) << "the small icon, 16 pixels wide";
    }
    {
        Variant font;
        Get(open, kButtonFont, font);
        ASSERT_TRUE(font.vt == VT_DISPATCH && font.pdispVal);
        Microsoft::WRL::ComPtr<IFont> caption;
        ASSERT_EQ(font.pdispVal->QueryInterface(IID_IFont, reinterpret_cast<void**>(caption.GetAddressOf())), S_OK);
        BSTR name = nullptr;
        CY size = {};
        SHORT weight = 0;
        caption->get_Name(&name);
        caption->get_Size(&size);
        caption->get_Weight(&weight);
        const std::wstring face(name ? name : L"");
        EXPECT_TRUE(face == L"MS Sans Serif" || face == FaceStandingFor(L"MS Sans Serif")) << face;
        EXPECT_EQ(size.int64, 97500) << "9.75 points";
        EXPECT_EQ(weight, 400);
        SysFreeString(name);
    }

    // What the layout leaves out comes back as the control's own restore defaults.
    IDispatch* go = form.go->Dispatch();
    EXPECT_EQ(Number(go, kButtonForm), kRectangle);
    EXPECT_EQ(Number(go, kButtonBackColor), 0xFFFFFF);
    EXPECT_TRUE(Flag(go, kButtonPictureStretch));
    {
        Variant picture;
        Get(go, kButtonPicture, picture);
        EXPECT_TRUE(picture.vt == VT_EMPTY || ((picture.vt == VT_DISPATCH || picture.vt == VT_UNKNOWN) && !picture.punkVal));
    }

    // In place at the layout's rectangle, 15 twips to the pixel at 96 dots per inch.
    RECT at;
    GetWindowRect(form.open->window(), &at);
    MapWindowPoints(nullptr, form.window(), reinterpret_cast<POINT*>(&at), 2);
    EXPECT_EQ(at.left, 16);
    EXPECT_EQ(at.top, 16);
    EXPECT_EQ(at.right - at.left, 153);
    EXPECT_EQ(at.bottom - at.top, 41);
    EXPECT_EQ(GetParent(form.open->window()), form.window());

    form.open->SetCaption(L"Choose Picture");
    EXPECT_EQ(form.open->Caption(), L"Choose Picture");
    form.open->SetEnabled(false);
    EXPECT_FALSE(Flag(open, kButtonEnabled));
    form.open->SetEnabled(true);
    EXPECT_TRUE(Flag(open, kButtonEnabled));
}

TEST_F(ButtonHostTest, ClickComesFromMouseEnterAndAccessKeyButNotFromADisabledOrHiddenButton) {
    HostForm form;
    Click(form.open->window());
    form.Pump();
    EXPECT_EQ(form.openClicks, 1) << "mouse";

    SetFocus(form.open->window());
    PostKey(WM_KEYDOWN, VK_RETURN);
    form.Pump();
    EXPECT_EQ(form.openClicks, 2) << "Enter";
    PostKey(WM_KEYDOWN, VK_SPACE);
    form.Pump();
    EXPECT_EQ(form.openClicks, 2) << "the space bar is no click";

    {
        HeldKey alt(VK_MENU);
        PostKey(WM_SYSKEYDOWN, 'G');
        form.Pump();
    }
    EXPECT_EQ(form.goClicks, 1) << "Alt+G reaches the button captioned &Go from elsewhere in the window";
    EXPECT_EQ(form.openClicks, 2);

    form.open->SetEnabled(false);
    Click(form.open->window());
    SetFocus(form.open->window());
    PostKey(WM_KEYDOWN, VK_RETURN);
    form.Pump();
    EXPECT_EQ(form.openClicks, 2) << "disabled";

    form.go->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(form.go->window()));
    {
        HeldKey alt(VK_MENU);
        PostKey(WM_SYSKEYDOWN, 'G');
        form.Pump();
    }
    EXPECT_EQ(form.goClicks, 1) << "hidden";
    form.go->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(form.go->window()));
}

TEST_F(ButtonHostTest, TabMovesTheFocusInTheLayoutsOrderPastHiddenButtons) {
    HostForm form;
    SetFocus(form.open->window());
    PostKey(WM_KEYDOWN, VK_TAB);
    form.Pump();
    EXPECT_EQ(GetFocus(), form.text);
    PostKey(WM_KEYDOWN, VK_TAB);
    form.Pump();
    EXPECT_EQ(GetFocus(), form.go->window());
    PostKey(WM_KEYDOWN, VK_TAB);
    form.Pump();
    EXPECT_EQ(GetFocus(), form.open->window()) << "round to the first";
    {
        HeldKey shift(VK_SHIFT);
        PostKey(WM_KEYDOWN, VK_TAB);
        form.Pump();
    }
    EXPECT_EQ(GetFocus(), form.go->window()) << "Shift+Tab goes back";

    form.go->SetVisible(false);
    EXPECT_EQ(GetFocus(), form.open->window()) << "a button hidden while it has the focus hands it on";
    SetFocus(form.text);
    PostKey(WM_KEYDOWN, VK_TAB);
    form.Pump();
    EXPECT_EQ(GetFocus(), form.open->window()) << "the hidden button is passed over";
}

TEST_F(ButtonHostTest, ARegisteredLibraryIsCreatedThroughItsRegistration) {
    // The library as built, registered where it lies, is not the copy beside the test.
    const std::wstring registered = BuildTreePath(KX_VANTOR1_AS_BUILT);
    HMODULE library = LoadLibraryW(registered.c_str());
    ASSERT_NE(library, nullptr);
    using Entry = HRESULT(STDAPICALLTYPE*)();
    auto registerServer = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")));
    auto unregisterServer =
        reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "DllUnregisterServer")));
    ASSERT_EQ(registerServer(), S_OK);
    struct Unregister {
        Entry entry;
        ~Unregister() { entry(); }
    } unregister{unregisterServer};

    HostForm form;
    EXPECT_EQ(form.open->Caption(), L"Bild öffnen");
    EXPECT_EQ(GetModuleHandleW(LibraryBesideTheProgram().c_str()), nullptr);
}
