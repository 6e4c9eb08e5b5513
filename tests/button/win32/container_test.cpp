// A container written for the test, in the manner of a conformance test: it makes the calls
// a container makes, in their usual order, and records what the button asks of it. The
// button must cope with a container that offers only the two sites it cannot do without.
// That a disabled button raises nothing is the control's own rule, followed by its tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>

#include "com_doubles.h"
#include "platform/win32/dpi.h"
#include "platform/win32/scoped_handle.h"

using platform::ComPtr;
using namespace testing_support;

namespace {

class RecordingContainer final : public IOleClientSite,
                                 public IOleInPlaceSite,
                                 public IOleControlSite {
public:
    std::vector<std::string> calls;

    RecordingContainer(HWND window, bool complete) : window_(window), complete_(complete) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        *object = nullptr;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite)) {
            *object = static_cast<IOleClientSite*>(this);
        } else if (IsEqualIID(riid, IID_IOleInPlaceSite)) {
            *object = Asked("IOleInPlaceSite", static_cast<IOleInPlaceSite*>(this));
        } else if (IsEqualIID(riid, IID_IOleControlSite)) {
            *object = Asked("IOleControlSite", complete_ ? static_cast<IOleControlSite*>(this) : nullptr);
        } else {
            wchar_t text[40];
            StringFromGUID2(riid, text, 40);
            Asked(std::string(text, text + wcslen(text)), nullptr);
        }
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return Record("SaveObject"); }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return Record("GetMoniker", E_NOTIMPL); }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override { return Record("GetContainer", E_NOTIMPL); }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return Record("ShowObject"); }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return Record("OnShowWindow"); }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return Record("RequestNewObjectLayout", E_NOTIMPL); }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = window_;
        return Record("GetWindow");
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return Record("ContextSensitiveHelp", E_NOTIMPL); }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return Record("CanInPlaceActivate"); }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return Record("OnInPlaceActivate"); }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return Record("OnUIActivate"); }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                               RECT* clip, OLEINPLACEFRAMEINFO*) override {
        *frame = nullptr;
        *document = nullptr;
        *position = *clip = {10, 10, 149, 61};
        return Record("GetWindowContext");
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return Record("Scroll", E_NOTIMPL); }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return Record("OnUIDeactivate"); }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return Record("OnInPlaceDeactivate"); }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return Record("DiscardUndoState"); }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return Record("DeactivateAndUndo"); }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return Record("OnPosRectChange"); }

    // IOleControlSite
    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return Record("OnControlInfoChanged"); }
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return Record("LockInPlaceActive"); }
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch**) override { return Record("GetExtendedControl", E_NOTIMPL); }
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override { return Record("TransformCoords"); }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return Record("TranslateAccelerator", S_FALSE); }
    HRESULT STDMETHODCALLTYPE OnFocus(BOOL gained) override { return Record(gained ? "OnFocus(1)" : "OnFocus(0)"); }
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return Record("ShowPropertyFrame", E_NOTIMPL); }

private:
    void* Asked(const std::string& name, void* offered) {
        calls.push_back("QI " + name);
        return offered;
    }
    HRESULT Record(std::string call, HRESULT result = S_OK) {
        calls.push_back(std::move(call));
        return result;
    }

    HWND window_;
    bool complete_;
};

// A container's window with a button, new or restored from a layout, in the calling thread's apartment.
struct Hosting {
    Apartment apartment;
    HWND parent = CreateWindowExW(0, L"STATIC", L"container", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                  nullptr, nullptr, nullptr, nullptr);
    ComPtr<IOleObject> button = CreateButton<IOleObject>();
    ClickSink sink;
    RECT position = {10, 10, 149, 61};  // 139 x 51 pixels

    ~Hosting() { DestroyWindow(parent); }

    HWND Activate(RecordingContainer& container, IPropertyBag* layout = nullptr) {
        button->SetClientSite(&container);
        layout ? button.query<IPersistPropertyBag>()->Load(layout, nullptr)
               : button.query<IPersistStreamInit>()->InitNew();
        SIZEL extent = {3678, 1349};
        button->SetExtent(DVASPECT_CONTENT, &extent);
        EXPECT_EQ(button->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &container, 0, parent, &position), S_OK);
        HWND window = nullptr;
        button.query<IOleInPlaceObject>()->GetWindow(&window);
        sink.ConnectTo(button.get());
        return window;
    }

    void Close() {
        button->Close(OLECLOSE_NOSAVE);
        button->SetClientSite(nullptr);
    }
};

void Press(HWND window, int releasedAtX) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 40));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(releasedAtX, 40));
}

class ContainerTest : public ::testing::Test, protected Hosting {};

TEST_F(ContainerTest, CompleteContainerSeesTheCallsOfEachStep) {
    RecordingContainer container(parent, true);
    HWND window = Activate(container);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), parent);
    EXPECT_EQ(container.calls, (std::vector<std::string>{"QI {00020400-0000-0000-C000-000000000046}",  // IDispatch
                                                         "QI IOleInPlaceSite", "CanInPlaceActivate",
                                                         "OnInPlaceActivate", "GetWindow", "GetWindowContext",
                                                         "ShowObject"}));
    container.calls.clear();
    SetFocus(window);
    BSTR caption = SysAllocString(L"&Ok");
    button.query<_cButton>()->put_ButtonCaption(caption);
    SysFreeString(caption);
    EXPECT_EQ(container.calls, (std::vector<std::string>{"OnUIActivate", "QI IOleControlSite", "OnFocus(1)",
                                                         "QI IOleControlSite", "OnControlInfoChanged"}));
    CONTROLINFO info = {};
    info.cb = sizeof(info);
    ASSERT_EQ(button.query<IOleControl>()->GetControlInfo(&info), S_OK);
    EXPECT_EQ(info.cAccel, 1) << "Alt+O";
    EXPECT_TRUE(info.dwFlags & CTRLINFO_EATS_RETURN);

    container.calls.clear();
    Close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(container.calls, (std::vector<std::string>{"OnUIDeactivate", "QI IOleControlSite", "OnFocus(0)",
                                                         "OnInPlaceDeactivate"}));
}

TEST_F(ContainerTest, BareContainerStillGetsItsClicks) {
    RecordingContainer container(parent, false);
    HWND window = Activate(container);
    ASSERT_TRUE(IsWindow(window));
    ComPtr<IOleControl> control = button.query<IOleControl>();
    auto enter = [&] { SendMessageW(window, WM_CHAR, 13, 0); };
    const struct {
        const char* input;
        std::function<void()> act;
        int clicks;
    } inputs[] = {
        {"mouse", [&] { Press(window, 100); }, 1},
        {"mouse released outside", [&] { Press(window, 500); }, 0},
        {"Enter", enter, 1},
        {"access key", [&] { control->OnMnemonic(nullptr); }, 1},
        {"Enter with frozen events", [&] {
             control->FreezeEvents(TRUE);
             enter();
             control->FreezeEvents(FALSE);
         }, 0},
    };
    for (const auto& input : inputs) {
        const int before = sink.clicks;
        input.act();
        EXPECT_EQ(sink.clicks - before, input.clicks) << input.input;
    }
    EXPECT_EQ(GetFocus(), window) << "a click takes the focus";

    Close();
    for (const std::string& call : container.calls) {
        EXPECT_TRUE(call.rfind("QI ", 0) != 0 || call == "QI IOleInPlaceSite" || call == "QI IOleControlSite" ||
                    call == "QI {00020400-0000-0000-C000-000000000046}")
            << "asked for " << call;
        EXPECT_TRUE(call.find("OnFocus") == std::string::npos && call.find("ControlInfo") == std::string::npos)
            << call << " on an interface the container does not offer";
    }
}

// A container's window on a monitor of another density than the system's: the button placed in it
// measures, draws and reports its extent at the window's. Its picture lies 120 to 360 twips in.
TEST_F(ContainerTest, MeasuresDrawsAndReportsAtTheDensityOfItsContainersWindow) {
    RecordingContainer container(parent, true);
    HWND window = Activate(container);
    ComPtr<_cButton> dual = button.query<_cButton>();
    dual->putref_ButtonPicture(SolidPicture(RGB(255, 0, 0)).get());
    dual->put_ButtonPictureStretch(VARIANT_FALSE);
    ComPtr<IFontDisp> font;  // for the caption, one that Wine scales, unlike its bitmap fonts
    dual->get_ButtonFont(font.put());
    font.query<IFont>()->put_Name(platform::Bstr(L"Tahoma").get());
    dual->putref_ButtonFont(font.get());
    DWORD* pixels = nullptr;
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), 139, -51, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    platform::Bitmap surface(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0));
    platform::MemoryDc dc(CreateCompatibleDC(nullptr));  // goes first, and lets go of the surface
    SelectObject(dc.get(), surface.get());
    int inkRows[3] = {};  // the caption's rows at 96 and at 192 dots per inch
    for (const int dpi : {96, 192}) {
        platform::RecordWindowDpi(parent, dpi);
        button.query<IOleInPlaceObject>()->SetObjectRects(&position, &position);
        SIZEL extent = {};
        button->GetExtent(DVASPECT_CONTENT, &extent);
        EXPECT_TRUE(extent.cx == MulDiv(139, 2540, dpi) && extent.cy == MulDiv(51, 2540, dpi)) << extent.cx;
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        GdiFlush();
        const auto red = [&](int x) { return (pixels[25 * 139 + x] & 0xFFFFFF) == 0xFF0000; };
        EXPECT_TRUE(!red(dpi / 12 - 1) && red(dpi / 12) && red(dpi / 4 - 1) && !red(dpi / 4)) << dpi;
        for (DWORD* row = pixels + 3 * 139; row < pixels + 48 * 139; row += 139)  // clear of the outline's corners
            inkRows[dpi / 96] += std::any_of(row + dpi / 4 + 2, row + 110, [](DWORD p) { return (p & 0x808080) == 0; });
    }
    EXPECT_TRUE(inkRows[1] > 0 && inkRows[2] * 5 >= inkRows[1] * 8) << inkRows[1] << " and " << inkRows[2] << " rows";
    Close();
}

// Apartment-threaded: a host may keep buttons on several user-interface threads at once.
TEST(ContainerThreadsTest, TwoUserInterfaceThreadsMakeClickAndDropTheirButtonsAtOnce) {
    Library library;
    const auto run = [] {
        Hosting host;
        RecordingContainer container(host.parent, true);
        MemoryBag layout;
        for (int i = 0; i < 200; ++i) {
            host.button = CreateButton<IOleObject>();
            Press(host.Activate(container, &layout), 100);
            for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
            host.Close();
        }
        EXPECT_EQ(host.sink.clicks, 200);
    };
    std::thread threads[] = {std::thread(run), std::thread(run)};
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(library.Export<HRESULT STDAPICALLTYPE()>("DllCanUnloadNow")(), S_OK);
    EXPECT_FALSE(UnregisterClassW(L"Vantor1.cButton", library.module)) << "the last window took its class along";
}

}  // namespace
