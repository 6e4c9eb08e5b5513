// The registered button in an independent container: hosted by ATL's AtlAxWin100 window as
// Wine ships it, which creates it from its ProgID, and clicked with real mouse and key input.
// That a disabled button raises nothing is followed in the other containers.

#include <gtest/gtest.h>

#include <functional>

#include "com_doubles.h"

using platform::ComPtr;
using namespace testing_support;

namespace {

class RegisteredTest : public ::testing::Test {
protected:
    Apartment apartment;
    Library library;

    void SetUp() override { ASSERT_EQ(library.Call("DllRegisterServer"), S_OK); }
    void TearDown() override { EXPECT_EQ(library.Call("DllUnregisterServer"), S_OK); }
};

bool PumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    return done();
}

void ClickAt(HWND window, int x, int y) {
    POINT at = {x, y};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, press, sizeof(INPUT));
    Sleep(600);  // more than a double click apart
}

void PressEnter() {
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_KEYBOARD;
    press[0].ki.wVk = press[1].ki.wVk = VK_RETURN;
    press[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, press, sizeof(INPUT));
}

TEST_F(RegisteredTest, AtlContainerCreatesTheButtonFromItsProgIdAndDeliversItsClicks) {
    CLSID clsid = {};
    ASSERT_EQ(CLSIDFromProgID(L"Vantor1.cButton", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_cButton));
    HMODULE atl = LoadLibraryW(L"atl100.dll");
    ASSERT_TRUE(atl);
    auto init = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
    auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
        reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
    ASSERT_TRUE(init && getControl && init());

    HWND parent = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
    HWND host = CreateWindowExW(0, L"AtlAxWin100", L"Vantor1.cButton", WS_CHILD | WS_VISIBLE, 10, 10, 139, 51,
                                parent, nullptr, nullptr, nullptr);
    ComPtr<IUnknown> control;
    ASSERT_EQ(getControl(host, control.put()), S_OK);
    HWND window = nullptr;
    ASSERT_EQ(control.query<IOleInPlaceObject>()->GetWindow(&window), S_OK);
    ClickSink sink;
    sink.ConnectTo(control.get());
    ComPtr<_cButton> dual = control.query<_cButton>();
    BSTR caption = SysAllocString(L"Knopf");
    dual->put_ButtonCaption(caption);
    SysFreeString(caption);
    dual->putref_ButtonPicture(SolidPicture(RGB(0, 255, 0)).get());
    SetForegroundWindow(parent);
    PumpUntil([] { return false; });

    int expected = 0;
    for (POINT at : {POINT{62, 25}, POINT{30, 25}, POINT{125, 45}}) {  // caption, picture, bare surface
        ClickAt(window, at.x, at.y);
        EXPECT_TRUE(PumpUntil([&] { return sink.clicks == expected + 1; })) << "at " << at.x << "," << at.y;
        expected = sink.clicks;
    }
    EXPECT_EQ(GetFocus(), window) << "a click takes the focus";
    HDC dc = GetDC(window);
    EXPECT_EQ(GetPixel(dc, 100, 45), RGB(0xC0, 0xC0, 0xFF)) << "the focus look on screen";
    ReleaseDC(window, dc);
    PressEnter();
    EXPECT_TRUE(PumpUntil([&] { return sink.clicks == expected + 1; })) << "Enter";
    DestroyWindow(parent);
}

}  // namespace
