// Vantor1's cButton in the program's container: created by class identity, restored from
// a stored layout, hidden by the host, and reached by the mouse and the keyboard through
// the program's message handling. Captions set by the host are checked with the program.

#include <gtest/gtest.h>

#include <windows.h>

#include <olectl.h>

#include <functional>
#include <string>

#include "Vantor1_h.h"
#include "app/win32/form.h"
#include "app/win32/resources.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/program_folder.h"
#include "platform/win32/scoped_variant.h"
#include "support/window_driving.h"

using namespace app::win32;
using namespace testing_support;

namespace {

constexpr DISPID kButtonFontColor = 0x68030000, kButtonFont = 0x68030001, kButtonPictureStretch = 0x68030002,
                 kButtonPicture = 0x68030003, kButtonForm = 0x68030005, kButtonBackColor = 0x68030006;

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

    // A key as the keyboard posts it to the window with the focus, with `held` down for the
    // thread's view of the keyboard until its messages have run.
    static void Press(WPARAM key, BYTE held = 0) {
        if (held) Hold(held, 0x80);
        LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
        if (held == VK_MENU) data |= 1 << 29;
        PostMessageW(GetFocus(), held == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN, key, data);
        Pump();
        if (held) Hold(held, 0);
    }
    static void Hold(BYTE key, BYTE state) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[key] = state;
        SetKeyboardState(keys);
    }

    ButtonHost* open = nullptr;
    ButtonHost* go = nullptr;
    HWND text = nullptr;
    int openClicks = 0, goClicks = 0;
};

void Get(IDispatch* control, DISPID id, platform::Variant& value) {
    DISPPARAMS none = {};
    ASSERT_EQ(control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr),
              S_OK);
}

// Numbers, colours and Booleans (True is -1) alike.
std::int32_t Number(IDispatch* control, DISPID id) {
    platform::Variant value;
    Get(control, id, value);
    EXPECT_EQ(VariantChangeType(&value, &value, 0, VT_I4), S_OK);
    return value.lVal;
}

class ButtonHostTest : public ::testing::Test {
protected:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};

}  // namespace

// From the copy beside the test, which the manifest names with its ProgID and type library,
// even with another registered (as an older one from a designer's setup): the one as built.
TEST_F(ButtonHostTest, RestoresTheStoredLayoutFromTheLibraryBesideTheProgramWhateverIsRegistered) {
    ASSERT_NE(RegGetValueW(HKEY_CLASSES_ROOT, L"Vantor1.cButton", nullptr, RRF_RT_ANY, nullptr, nullptr, nullptr), 0)
        << "registered";
    CLSID clsid;
    EXPECT_EQ(CLSIDFromProgID(L"Vantor1.cButton", &clsid), S_OK);  // under Wine an alias of CLSID_cButton
    platform::ComPtr<ITypeLib> types;
    EXPECT_EQ(LoadRegTypeLib(LIBID_Vantor1, 14, 0, LOCALE_NEUTRAL, types.put()), S_OK);

    HMODULE registered = LoadLibraryW(BuildTreePath(KX_VANTOR1_AS_BUILT).c_str());
    ASSERT_NE(registered, nullptr);
    using Entry = HRESULT(STDAPICALLTYPE*)();
    auto entry = [registered](const char* name) {
        return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(registered, name)));
    };
    ASSERT_EQ(entry("DllRegisterServer")(), S_OK);
    struct Unregister {
        Entry entry;
        ~Unregister() { entry(); }
    } unregister{entry("DllUnregisterServer")};
    HostForm form;
    EXPECT_EQ(reinterpret_cast<HMODULE>(GetClassLongPtrW(form.open->window(), GCLP_HMODULE)),
              GetModuleHandleW((platform::ProgramFolder() + L"Vantor1.dll").c_str()));

    IDispatch* open = form.open->Dispatch();
    IDispatch* go = form.go->Dispatch();
    EXPECT_EQ(form.open->Caption(), L"Bild öffnen");
    // What the layout leaves out of Go comes back as the control's own restore defaults.
    const struct {
        IDispatch* button;
        DISPID id;
        std::int32_t value;
    } restored[] = {
        {open, kButtonForm, kRoundedRectangle},
        {open, kButtonBackColor, static_cast<std::int32_t>(kTooltipBackground)},
        {open, kButtonFontColor, static_cast<std::int32_t>(kButtonText)},
        {open, kButtonPictureStretch, 0},
        {go, kButtonForm, kRectangle},
    };
    for (const auto& r : restored)
        EXPECT_EQ(Number(r.button, r.id), r.value) << (r.button == go ? "Go " : "Open ") << std::hex << r.id;

    platform::Variant picture, font, size;
    Get(open, kButtonPicture, picture);
    Get(open, kButtonFont, font);
    ASSERT_TRUE(picture.vt == VT_DISPATCH && picture.pdispVal && font.vt == VT_DISPATCH && font.pdispVal);
    EXPECT_EQ(Number(picture.pdispVal, DISPID_PICT_WIDTH), MulDiv(16, 2540, 96)) << "the small icon, 16 pixels wide";
    Get(font.pdispVal, DISPID_FONT_SIZE, size);
    EXPECT_EQ(size.cyVal.int64, 97500) << "9.75 points";
    EXPECT_EQ(GetParent(form.open->window()), form.window());
}

// Moved to a monitor of twice the density, the form stands where Windows suggests and lays
// out its controls, their fonts and its buttons anew at the density the message names.
TEST_F(ButtonHostTest, DpiChangeLaysTheFormOutAnew) {
    HostForm form;
    RECT suggested = {50, 60, 50 + 900, 60 + 500}, at;
    SendMessageW(form.window(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(form.window(), &at);
    EXPECT_TRUE(EqualRect(&at, &suggested));
    const struct {
        HWND control;
        RECT expected;
    } placed[] = {{form.text, {32, 144, 32 + 306, 144 + 38}}, {form.open->window(), {32, 32, 32 + 306, 32 + 82}}};
    for (const auto& p : placed) {
        GetWindowRect(p.control, &at);
        MapWindowPoints(nullptr, form.window(), reinterpret_cast<POINT*>(&at), 2);
        EXPECT_TRUE(EqualRect(&at, &p.expected)) << at.left << "," << at.top << " " << at.right - at.left << "x"
                                                 << at.bottom - at.top;
    }
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.text, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -22) << "8.25 points at 192 dots per inch";
}

TEST_F(ButtonHostTest, MouseEnterAndAccessKeysClickOnlyEnabledVisibleButtons) {
    HostForm form;
    const struct {
        const char* input;
        std::function<void()> act;
        int openClicks, goClicks;
    } inputs[] = {
        {"mouse", [&] {
             Click(form.open->window());
             form.Pump();
         }, 1, 0},
        {"Enter", [&] {
             SetFocus(form.open->window());
             form.Press(VK_RETURN);
         }, 1, 0},
        {"Alt+G from elsewhere in the window", [&] { form.Press('G', VK_MENU); }, 0, 1},
        {"Alt+G to a hidden button", [&] {
             form.go->SetVisible(false);
             form.Press('G', VK_MENU);
         }, 0, 0},
        {"mouse on a button the host disabled", [&] {
             form.open->SetEnabled(false);
             Click(form.open->window());
             form.Pump();
         }, 0, 0},
    };
    for (const auto& input : inputs) {
        const int open = form.openClicks, go = form.goClicks;
        input.act();
        EXPECT_EQ(form.openClicks - open, input.openClicks) << input.input;
        EXPECT_EQ(form.goClicks - go, input.goClicks) << input.input;
    }
}

TEST_F(ButtonHostTest, TabGoesRoundTheVisibleControlsInOrder) {
    HostForm form;
    SetFocus(form.open->window());
    form.Press(VK_TAB);
    EXPECT_EQ(GetFocus(), form.text);
    form.Press(VK_TAB);
    EXPECT_EQ(GetFocus(), form.go->window());
    form.Press(VK_TAB);
    EXPECT_EQ(GetFocus(), form.open->window()) << "round to the first";
    SetFocus(form.go->window());
    form.go->SetVisible(false);
    EXPECT_EQ(GetFocus(), form.open->window()) << "a button hidden while it has the focus hands it on";
    SetFocus(form.text);
    form.Press(VK_TAB);
    EXPECT_EQ(GetFocus(), form.open->window()) << "the hidden button is passed over";
    form.go->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(form.go->window()));
}
