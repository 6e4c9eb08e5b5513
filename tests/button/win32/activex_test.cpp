// What property browsers, tools, printing containers and screen readers expect of the
// button, used from outside as they use it; Wine's ATL container or the program's own
// container hosts it in a window.

#include <gtest/gtest.h>

#include <oleacc.h>

#include "app/win32/form.h"
#include "com_doubles.h"

using platform::ComPtr;
using namespace testing_support;

namespace {

// The colour at x, y of what `paint` draws into a bitmap of the button's size, 139 x 51.
template <class Paint>
COLORREF PaintedAt(int x, int y, Paint paint) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, CreateBitmap(139, 51, 1, 32, nullptr));
    paint(dc);
    const COLORREF color = GetPixel(dc, x, y);
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    return color;
}

// The button from beside the test in Wine's ATL container, attached without the registration.
struct AtlHosted {
    Apartment apartment;
    ComPtr<IUnknown> container, control = CreateButton<IUnknown>();
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND window = nullptr;  // the button's own
    AtlHosted() {
        HMODULE atl = LoadLibraryW(L"atl100.dll");
        reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")))();
        auto attach = reinterpret_cast<HRESULT(WINAPI*)(IUnknown*, HWND, IUnknown**)>(
            reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxAttachControl")));
        HWND host = CreateWindowExW(0, L"AtlAxWin100", L"", WS_CHILD | WS_VISIBLE, 10, 10, 139, 51, parent, nullptr,
                                    nullptr, nullptr);
        attach(control.get(), host, container.put());
        control.query<IOleInPlaceObject>()->GetWindow(&window);
    }
    ~AtlHosted() { DestroyWindow(parent); }
};

// Kalvex3's container tells its buttons the window's back colour, which a rounded button
// shows at its corners, and tells them again when the container says it changed.
struct WhiteForm final : app::win32::Form {
    WhiteForm() : Form(GetModuleHandleW(nullptr)) {
        Create(nullptr, WS_POPUP, 0, L"Ambient", 3000, 1500);
        button = &AddButton({L"Go", app::win32::kRoundedRectangle, 0xFF, 0, 0, true, 825}, {0, 0, 2085, 765}, [] {});
    }
    app::win32::ButtonHost* button = nullptr;
};

TEST(ActiveXTest, ProgramsRoundedButtonsShowTheWindowsBackColourAtTheirCorners) {
    Apartment apartment;
    WhiteForm form;
    const auto print = [&](HDC dc) {
        SendMessageW(form.button->window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    };
    EXPECT_EQ(PaintedAt(1, 1, print), RGB(255, 255, 255));
    const LONG_PTR white = SetClassLongPtrW(form.window(), GCLP_HBRBACKGROUND, COLOR_HIGHLIGHT + 1);
    ComPtr<IDispatch>(form.button->Dispatch()).query<IOleControl>()->OnAmbientPropertyChange(DISPID_UNKNOWN);
    EXPECT_EQ(PaintedAt(1, 1, print), GetSysColor(COLOR_HIGHLIGHT));
    SetClassLongPtrW(form.window(), GCLP_HBRBACKGROUND, white);
}

TEST(ActiveXTest, PropertyBrowsersSeeOleColoursAndToolsEnumerateConnections) {
    Apartment apartment;
    ComPtr<IDispatch> button = CreateButton<IDispatch>();
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(button->GetTypeInfo(0, 0, info.put()), S_OK);
    for (const DISPID id : {DISPID_BUTTON_BACK_COLOR, DISPID_BUTTON_FONT_COLOR}) {
        UINT index = 0;
        ASSERT_EQ(info.query<ITypeInfo2>()->GetFuncIndexOfMemId(id, INVOKE_PROPERTYGET, &index), S_OK);
        FUNCDESC* function = nullptr;
        info->GetFuncDesc(index, &function);
        ComPtr<ITypeInfo> type;
        ASSERT_EQ(info->GetRefTypeInfo(function->elemdescFunc.tdesc.hreftype, type.put()), S_OK) << id;
        info->ReleaseFuncDesc(function);
        BSTR name = nullptr;
        type->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
        EXPECT_STREQ(name, L"OLE_COLOR");
        SysFreeString(name);
    }

    ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(button.query<IConnectionPointContainer>()->EnumConnectionPoints(points.put()), S_OK);
    IConnectionPoint* found[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(points->Next(3, found, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 2u);
    ClickSink sink;
    DWORD cookie = 0;
    ASSERT_EQ(found[0]->Advise(&sink, &cookie), S_OK);
    ComPtr<IEnumConnections> connections;
    ASSERT_EQ(found[0]->EnumConnections(connections.put()), S_OK);
    CONNECTDATA connection[2] = {};
    EXPECT_EQ(connections->Next(2, connection, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    EXPECT_EQ(connection[0].dwCookie, cookie);
    EXPECT_TRUE(platform::SameObject(connection[0].pUnk, &sink));
    connection[0].pUnk->Release();
    found[0]->Unadvise(cookie);
    for (IConnectionPoint* point : {found[0], found[1]}) point->Release();
}

TEST(ActiveXTest, PrintedWindowShowsTheButtonAndInPlaceSizeBecomesTheExtent) {
    AtlHosted button;
    for (const UINT message : {WM_PRINTCLIENT, WM_PRINT}) {
        const auto print = [&](HDC dc) {
            SendMessageW(button.window, message, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        };
        EXPECT_EQ(PaintedAt(70, 45, print), GetSysColor(COLOR_WINDOW)) << message;
    }
    const RECT twoInchesByOne = {10, 10, 10 + 192, 10 + 96};  // at 96 pixels per inch
    button.control.query<IOleInPlaceObject>()->SetObjectRects(&twoInchesByOne, &twoInchesByOne);
    SIZEL extent = {};
    button.control.query<IOleObject>()->GetExtent(DVASPECT_CONTENT, &extent);
    EXPECT_EQ(extent.cx, 5080);
    EXPECT_EQ(extent.cy, 2540);
}

// A designer that activates its controls quickly: the back colour shows around the outline,
// and the button raises no Click while the container is not in user mode.
TEST(ActiveXTest, QuickActivationTakesTheAmbientPropertiesAndTheSink) {
    Apartment apartment;
    ClickSink sink;
    ComPtr<IQuickActivate> button = CreateButton<IQuickActivate>();
    QACONTAINER container = {};
    container.cbSize = sizeof container;
    container.pUnkEventSink = &sink;
    container.colorBack = RGB(255, 0, 0);
    QACONTROL control = {};
    control.cbSize = sizeof control;
    ASSERT_EQ(button->QuickActivate(&container, &control), S_OK);
    EXPECT_NE(control.dwEventCookie, 0u);
    const RECTL bounds = {0, 0, 139, 51};
    EXPECT_EQ(PaintedAt(137, 49, [&](HDC dc) {
                  button.query<IViewObject>()->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds,
                                                    nullptr, nullptr, 0);
              }),
              RGB(255, 0, 0));
    button.query<IOleControl>()->OnMnemonic(nullptr);
    EXPECT_EQ(sink.clicks, 0) << "design mode";
}

TEST(ActiveXTest, ReadersSeeAPushButtonAndPressItWhileItIsEnabled) {
    ClickSink sink;
    AtlHosted button;
    sink.ConnectTo(button.control.get());
    ComPtr<_cButton> dual = button.control.query<_cButton>();
    BSTR caption = SysAllocString(L"&Go && back");
    dual->put_ButtonCaption(caption);
    SysFreeString(caption);
    SetFocus(button.window);
    ComPtr<IAccessible> reader;
    ASSERT_EQ(AccessibleObjectFromWindow(button.window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                         reinterpret_cast<void**>(reader.put())), S_OK);
    VARIANT self = {}, value = {};
    self.vt = VT_I4;
    const auto said = [&](auto get) {  // one of IAccessible's text getters
        BSTR text = nullptr;
        const std::wstring copy = SUCCEEDED((reader.get()->*get)(self, &text)) && text ? text : L"(none)";
        SysFreeString(text);
        return copy;
    };
    reader->get_accRole(self, &value);
    EXPECT_EQ(value.lVal, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(said(&IAccessible::get_accName), L"Go & back");
    EXPECT_EQ(said(&IAccessible::get_accKeyboardShortcut), L"Alt+G");
    EXPECT_EQ(said(&IAccessible::get_accDefaultAction), L"Press");
    reader->get_accState(self, &value);
    EXPECT_EQ(value.lVal, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(reader->accDoDefaultAction(self), S_OK);
    EXPECT_EQ(sink.clicks, 1);

    dual->put_ButtonEnabled(VARIANT_FALSE);
    reader->get_accState(self, &value);
    EXPECT_EQ(value.lVal & STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(said(&IAccessible::get_accDefaultAction), L"(none)");
    EXPECT_NE(reader->accDoDefaultAction(self), S_OK);
    EXPECT_EQ(sink.clicks, 1) << "a disabled button is not pressed";
}

}  // namespace
