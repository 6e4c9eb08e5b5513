// The report window and the user message box as real windows.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

#include "errors/err_trace.h"
#include "errors/frame.h"
#include "errors/win32/report_window.h"
#include "platform/win32/message_box.h"
#include "support/fake_system_info.h"
#include "support/window_driving.h"

using namespace errors;

using testing_support::TextOf;

namespace {

BOOL CALLBACK CountIfReportWindow(HWND window, LPARAM counter) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == Win32ReportWindow::kClassName) ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int CountReportWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountIfReportWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

void Pump() {
    testing_support::PumpPending([](MSG& message) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    });
}

void FailingHandler(std::int32_t number, const wchar_t* description) {
    Frame frame(L"frmMain.cbtnApply_Click", EventHandler);
    frame.run([&] {
        frame.at(30);
        Raise(number, L"Kalvex3", description);
    });
}

class ReportWindowTest : public ::testing::Test {
protected:
    testing_support::FakeSystemInfo system;
    platform::Win32MessageBoxes boxes;
    Win32ReportWindow window{GetModuleHandleW(nullptr)};
    ErrTraceScope errTrace{{&system, &boxes, &window}};
};

TEST_F(ReportWindowTest, OpensShowingTheReportAndASecondReportReplacesIt) {
    FailingHandler(53, L"first failure");
    Pump();
    ASSERT_NE(window.window(), nullptr);
    EXPECT_TRUE(IsWindowVisible(window.window()));
    EXPECT_EQ(TextOf(window.window()), L"Error");
    EXPECT_TRUE(TextOf(window.textBox()).starts_with(L"first failure \r\n"));

    const LONG style = GetWindowLongW(window.textBox(), GWL_STYLE);
    EXPECT_TRUE(style & WS_HSCROLL) << "long lines scroll instead of wrapping";
    EXPECT_TRUE(style & ES_MULTILINE);

    FailingHandler(61, L"second failure");
    Pump();
    EXPECT_EQ(CountReportWindows(), 1);
    const std::wstring text = TextOf(window.textBox());
    EXPECT_TRUE(text.starts_with(L"second failure \r\n"));
    EXPECT_EQ(text.find(L"first failure"), std::wstring::npos);
}

TEST_F(ReportWindowTest, TextBoxFollowsTheWindowSize) {
    FailingHandler(53, L"resize");
    Pump();
    SetWindowPos(window.window(), nullptr, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    RECT client = {}, box = {};
    GetClientRect(window.window(), &client);
    GetWindowRect(window.textBox(), &box);
    MapWindowPoints(nullptr, window.window(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, client.right);
    EXPECT_EQ(box.bottom, client.bottom);
}

TEST_F(ReportWindowTest, ClosedWindowIsCreatedAgainForTheNextReport) {
    FailingHandler(53, L"one");
    Pump();
    SendMessageW(window.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.window(), nullptr);
    EXPECT_EQ(CountReportWindows(), 0);
    FailingHandler(53, L"two");
    Pump();
    ASSERT_NE(window.window(), nullptr);
    EXPECT_TRUE(TextOf(window.textBox()).starts_with(L"two \r\n"));
}

// A dialog shown modally, as the settings and about dialogs are, whose handler fails.
struct ModalScenario {
    bool reportWasModal = false;
    bool handlerEndedAfterReportClosed = false;
    Win32ReportWindow* window = nullptr;
};

constexpr UINT kFailNow = WM_APP + 1;

ModalScenario* scenario = nullptr;

// Closes the modal report from inside its own message loop, after looking at it.
void CALLBACK CloseReportSoon(HWND owner, UINT, UINT_PTR, DWORD) {
    KillTimer(owner, 1);
    HWND report = FindWindowW(Win32ReportWindow::kClassName, L"Error");
    scenario->reportWasModal = report && IsWindowVisible(report) && !IsWindowEnabled(owner);
    PostMessageW(report, WM_CLOSE, 0, 0);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        scenario = reinterpret_cast<ModalScenario*>(lParam);
        PostMessageW(dialog, kFailNow, 0, 0);
        return TRUE;
    }
    if (message == kFailNow) {
        SetTimer(dialog, 1, 200, CloseReportSoon);
        FailingHandler(53, L"from a dialog");
        scenario->handlerEndedAfterReportClosed = scenario->window->window() == nullptr;
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

TEST_F(ReportWindowTest, ReportDuringModalDialogIsShownModally) {
    alignas(DWORD) BYTE templateBytes[64] = {};
    auto* dialogTemplate = reinterpret_cast<DLGTEMPLATE*>(templateBytes);
    dialogTemplate->style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
    dialogTemplate->cx = 100;
    dialogTemplate->cy = 50;

    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    ModalScenario scenario;
    scenario.window = &window;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, owner, DialogProc,
                            reinterpret_cast<LPARAM>(&scenario));
    DestroyWindow(owner);

    EXPECT_TRUE(scenario.reportWasModal);
    EXPECT_TRUE(scenario.handlerEndedAfterReportClosed);
}

TEST_F(ReportWindowTest, UserBandErrorShowsTitledMessageBoxThatTheTestAnswers) {
    std::atomic<bool> answered{false};
    std::wstring seenText;
    std::thread answerer([&] {
        for (int i = 0; i < 200 && !answered; ++i) {
            HWND box = FindWindowW(L"#32770", L"Kalvex 3");
            if (box) {
                wchar_t text[256] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 256);
                seenText = text;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                answered = true;
            }
            Sleep(50);
        }
    });
    FailingHandler(kUserBandFirst, L"Bitte wählen Sie ein Bild.");
    answerer.join();
    EXPECT_TRUE(answered);
    EXPECT_EQ(seenText, L"Bitte wählen Sie ein Bild.");
    EXPECT_EQ(window.window(), nullptr) << "no report window for a user message";
}

}  // namespace
