// Kalvex3's main window, on the doubles of the system: its texts readable in the fonts at hand,
// its restored position kept whatever state it closes in, a moved client looked for again.

#include <optional>

#include "app/win32/main_window.h"
#include "exception/error.h"
#include "platform/win32/shell.h"
#include "support/program_fixture.h"
#include "support/window_driving.h"

using namespace testing_support;
using C = app::MainControl;

namespace {

class StartAndCloseTest : public ProgramFixture {
protected:
    std::optional<app::win32::MainWindow> form;

    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override {
        form.reset();
        EXPECT_EQ(reportWindow.text, L"") << "no failure on the way";
        OleUninitialize();
    }
    void Start() {
        form.reset();
        form.emplace(GetModuleHandleW(nullptr), program);
    }
    void Close() { SendMessageW(form->window(), WM_CLOSE, 0, 0); }
};

}  // namespace

TEST_F(StartAndCloseTest, EveryLabelAndButtonTextFitsItsControlInBothLanguages) {
    for (const wchar_t* language : {L"1", L"2"}) {
        Store(L"Language", language);
        Start();
        // The buttons' captions are drawn in the font of their stored layout: MS Sans Serif, 9.75 points.
        HFONT buttonFont = CreateFontW(-MulDiv(975, static_cast<int>(platform::WindowDpi(form->window())), 7200), 0,
                                       0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
        for (C c : {C::cbtnApply, C::cbtnOpen, C::cbtnRemoveBanner, C::cbtnSettings, C::cbtnInfo, C::fraPictureClick,
                    C::lblPreview, C::lblRemovedBanner, C::lblNotFound, C::optFullSizePicture, C::optOpenURL}) {
            HWND control = form->Control(c);
            const bool label = ClassOf(control) == L"Static", ownFont = label || ClassOf(control) == L"Button";
            RECT client = {};
            GetClientRect(control, &client);
            // Labels wrap at their width; options and the frame keep one line.
            RECT text = {0, 0, client.right, 0};
            HDC dc = GetDC(control);
            HGDIOBJ before = SelectObject(dc, ownFont ? reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0))
                                                      : buttonFont);
            DrawTextW(dc, form->Text(c).c_str(), -1, &text,
                      DT_CALCRECT | DT_NOPREFIX | (label ? DT_WORDBREAK : DT_SINGLELINE));
            SelectObject(dc, before);
            ReleaseDC(control, dc);
            const int mark = c == C::optFullSizePicture || c == C::optOpenURL ? GetSystemMetrics(SM_CXMENUCHECK) : 0;
            EXPECT_LE(text.right + mark, client.right)
                << "width of " << static_cast<int>(c) << " in " << language;
            EXPECT_LE(text.bottom, client.bottom) << "height of " << static_cast<int>(c) << " in " << language;
        }
        DeleteObject(buttonFont);
        Close();
    }
}

TEST_F(StartAndCloseTest, ClosedMinimisedOrMaximisedTheWindowKeepsItsRestoredPosition) {
    for (int state : {SW_MINIMIZE, SW_MAXIMIZE}) {
        Start();
        SetWindowPos(form->window(), nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(form->window(), state);
        Close();
        EXPECT_EQ(Stored(L"FormLeft"), L"1500") << state;  // 15 twips a pixel at 96 dpi
        EXPECT_EQ(Stored(L"FormTop"), L"1800") << state;
    }
}

TEST_F(StartAndCloseTest, AStoredClientFolderWithoutTheClientIsLookedForAsOnAFirstStart) {
    Store(L"ICQLitePath", L"C:\\Gone\\");
    files.Put(L"D:\\Moved\\ICQLite.exe", "MZ");
    boxes.answer = platform::MessageResult::Yes;
    fileDialog.answers = {L"D:\\Moved\\ICQLite.exe"};
    Start();
    Close();
    EXPECT_EQ(Stored(L"ICQLitePath"), L"D:\\Moved\\");
}

TEST(ShellTest, ATargetWithoutSchemeIsRefusedNeverLookedForAsAFile) {
    EXPECT_THROW(platform::Win32Shell().Open(L"www.kalvex.example"), errors::Error);
}
