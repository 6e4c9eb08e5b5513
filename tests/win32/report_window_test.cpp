// The report window as a real window, alone and over a modal dialog.

#include <gtest/gtest.h>

#include <windows.h>

#include "errors/err_trace.h"
#include "errors/frame.h"
#include "errors/win32/report_window.h"
#include "platform/win32/message_box.h"
#include "support/fake_system_info.h"
#include "support/window_driving.h"

using namespace errors;

using testing_support::TextOf;

namespace {

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

// The portable tests follow when a report replaces the text and when the window is made anew,
// the end-to-end test that it shows; here the real window keeps its handle for a second
// report and goes with its close box.
TEST_F(ReportWindowTest, OneWindowShowsTheLatestReportAndIsMadeAnewAfterClosing) {
    FailingHandler(53, L"first failure");
    Pump();
    const HWND first = window.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(TextOf(window.textBox()).starts_with(L"first failure \r\n"));

    FailingHandler(61, L"second failure");
    Pump();
    EXPECT_EQ(window.window(), first);
    EXPECT_TRUE(TextOf(window.textBox()).starts_with(L"second failure \r\n"));

    SendMessageW(first, WM_CLOSE, 0, 0);
    EXPECT_EQ(window.window(), nullptr);
    EXPECT_FALSE(IsWindow(first));
    FailingHandler(53, L"third");
    Pump();
    ASSERT_NE(window.window(), nullptr);
    EXPECT_TRUE(TextOf(window.textBox()).starts_with(L"third \r\n"));
}

bool reportShownWhileHeld = false;

// Closes the report from inside the loop that holds the failing handler, after looking at it.
void CALLBACK CloseReport(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND report = FindWindowW(Win32ReportWindow::kClassName, L"Error");
    reportShownWhileHeld = report && IsWindowVisible(report);
    PostMessageW(report, WM_CLOSE, 0, 0);
}

// While a modal dialog is up (its owner disabled) a modeless report would be out of reach:
// the report runs a loop of its own, and the handler goes on once the user has closed it.
TEST_F(ReportWindowTest, ReportWhileAModalDialogIsUpHoldsTheHandlerUntilClosed) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    EnableWindow(owner, FALSE);
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseReport);
    FailingHandler(53, L"from a dialog");
    KillTimer(nullptr, timer);
    DestroyWindow(owner);
    EXPECT_TRUE(reportShownWhileHeld);
    EXPECT_EQ(window.window(), nullptr) << "the handler ended before the report was closed";
}

}  // namespace
