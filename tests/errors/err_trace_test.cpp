// How an error travels from the failing procedure to the event handler, and what the user is
// shown at the end: one report window, or a message box for the user band.

#include <gtest/gtest.h>

#include <new>

#include "errors/err_trace.h"
#include "errors/frame.h"
#include "support/fake_system_info.h"
#include "support/recording_report_window.h"
#include "support/report_lines.h"

using namespace errors;
using namespace std::string_literals;
using testing_support::Line;
using testing_support::StackLine;

namespace {

class ErrTraceTest : public ::testing::Test {
protected:
    testing_support::FakeSystemInfo system;
    testing_support::RecordingReportWindow window;
    testing_support::RecordingMessageBoxes boxes;
    ErrTraceScope errTrace{{&system, &boxes, &window}};

    static std::wstring Header(const std::wstring& method, const std::wstring& numberLine, const std::wstring& source,
                               const std::wstring& description) {
        return Line(description + L" ") +
               Line(L"  Time='12/06/26 22:43:04' App='Kalvex3:3.1.8' ADO-version='?' Computer='PC1' ") +
               Line(L"  Method: " + method + L" ") + Line(L"  Number: " + numberLine) +
               Line(L"  Source: " + source + L" ") + Line(L"  Description: " + description);
    }
};

// Three levels as the program has them: Apply -> ChangePicture -> OpenForOutput.
void OpenForOutput(std::wstring strPath, std::wstring strBody) {
    Frame frame(L"clsFile.OpenForOutput(strPath,strBody)", Procedure, [&] { return Args(strPath, strBody); });
    frame.run([&] {
        frame.at(20);
        frame.at(30);
        Raise(RuntimeError::PathNotFound, 3);
    });
}

void ChangePicture(std::wstring strPicturePath, std::wstring strICQFolderPath, std::wstring strLink) {
    Frame frame(L"clsKalvex3.ChangePicture(strPicturePath,strICQFolderPath,strLink)", Procedure,
                [&] { return Args(strPicturePath, strICQFolderPath, strLink); });
    frame.run([&] {
        frame.at(20);
        strLink = L"http://" + strLink;  // the report shows the value at the time of failure
        frame.at(60);
        OpenForOutput(strICQFolderPath + L"climage.html", std::wstring(50, L'x'));
    });
}

void ApplyClick() {
    Frame frame(L"frmMain.cbtnApply_Click", EventHandler);
    frame.run([&] {
        frame.at(20);
        frame.at(40);
        ChangePicture(L"C:\\p.jpg", L"C:\\ICQ\\", L"x.example");
    });
}

TEST_F(ErrTraceTest, HandlerShowsTheReportAndEndsTheFailure) {
    Frame frame(L"frmInfo.cbtnOk_Click", EventHandler);
    frame.run([&] {
        frame.at(20);
        Raise(RuntimeError::FileNotFound);
    });
    EXPECT_TRUE(window.text.starts_with(L"File not found \r\n"));
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(CurrentError().number, 0) << "the handler ends the failure";
}

TEST_F(ErrTraceTest, ThreeLevelsGiveOneHeaderAndCallStackInnermostFirst) {
    ApplyClick();

    const std::wstring expected =
        Header(L"clsFile.OpenForOutput",
               L"76 = &H4C = vbObjectError + 2147221580 = ERRMAP_APP_FIRST + 2147216382 ", L"Kalvex3",
               L"Path not found") +
        Line(L"  API Error: (3) The system cannot find the path specified.") +
        StackLine(L"  Call Stack: clsFile.OpenForOutput(strPath='C:\\ICQ\\climage.html', strBody={Text})  at Line 30 ") +
        Line(L"    Value Of strBody:\r\n      '" + std::wstring(50, L'x') + L"'") +
        Line(L"  Call Stack: clsKalvex3.ChangePicture(strPicturePath='C:\\p.jpg', strICQFolderPath='C:\\ICQ\\', "
             L"strLink='http://x.example')  at Line 60 ") +
        StackLine(L"  Call Stack: frmMain.cbtnApply_Click()  at Line 40 ");
    EXPECT_EQ(window.text, expected);
}

TEST_F(ErrTraceTest, ErrPreserveKeepsTheFirstErrorThroughWorkThatClearsIt) {
    auto failThenCleanUp = [](bool preserve) {
        try {
            Raise(RuntimeError::PermissionDenied, 5);
        } catch (const Error& e) {
            CurrentError() = e.record();
            CurrentError().statement = 70;
        }
        if (preserve) ErrPreserve();
        Frame cleanup(L"frmMain.SelfSearch", Procedure);  // any trap clears the current error
        cleanup.run([] {});
        ASSERT_EQ(CurrentError().number, 0);
    };
    failThenCleanUp(true);
    ErrorIn(L"frmMain.Form_Unload(Cancel)", Value(std::int16_t{0}), kEventHandlerOptions);
    ShowErrorReport(false);
    EXPECT_TRUE(window.text.starts_with(L"Permission denied \r\n"));
    EXPECT_NE(window.text.find(L"Call Stack: frmMain.Form_Unload(Cancel=0)  at Line 70 "), std::wstring::npos);

    failThenCleanUp(false);
    ErrorIn(L"frmMain.GetLanguage", Value(), kEventHandlerOptions);
    ShowErrorReport(false);
    const std::wstring lost =
        L"ErrorIn: Error information was lost. To fix: call ErrPreserve before doing anything in error handler.";
    const std::wstring expected =
        Header(L"frmMain.GetLanguage",
               L"-2147216306 = &H8004144E = vbObjectError + 5198 = ERRMAP_APP_FIRST + 0 = ERR_GENERAL", L"", lost) +
        StackLine(L"  Call Stack: frmMain.GetLanguage() ");
    EXPECT_EQ(window.text, expected) << "without ErrPreserve the cleared error counts as lost";
}

// A user-band error passes the procedure between unchanged, without a call stack. The user
// band's ends give the user a message box, the numbers just outside a full report, the silent
// number neither.
TEST_F(ErrTraceTest, UserBandErrorsShowAMessageBoxInsteadOfTheReport) {
    const struct {
        std::int32_t number;
        bool box, report;
    } cases[] = {{kUserBandFirst, true, false}, {kUserBandLast, true, false}, {kUserBandFirst - 1, false, true},
                 {kUserBandLast + 1, false, true}, {kSilentUserError, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        boxes.shown.clear();
        window.calls.clear();
        window.text.clear();
        Frame handler(L"frmMain.cbtnOpen_Click", EventHandler);
        handler.run([&] {
            Frame procedure(L"frmMain.RightICQPath(strPath)", Procedure, [] { return Value(L"C:\\x"); });
            procedure.run([&] { Raise(c.number, L"Kalvex3.frmMain", L"Bitte erst ein Bild wählen."); });
        });
        ASSERT_EQ(boxes.shown.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(boxes.shown[0].text, L"Bitte erst ein Bild wählen.");
        }
        EXPECT_EQ(window.text.starts_with(L"Bitte erst ein Bild wählen. \r\n"), c.report);
        EXPECT_EQ(window.calls.empty(), !c.report) << "the report window is left as it was";
    }
}

// The raised texts go into the template as they are, and the largest number still fits.
TEST_F(ErrTraceTest, HeaderHoldsPercentSignsAndLargeNumbersAsRaised) {
    Frame frame(L"frmMain.Form_Load", EventHandler);
    frame.run([] { Raise(0x7FFFFFFF, L"src %Source%", L"50% done at %Time% %nl%"); });
    EXPECT_TRUE(window.text.starts_with(L"50% done at %Time% %nl% \r\n"));
    EXPECT_NE(window.text.find(L"  Number: 2147483647 = &H7FFFFFFF = vbObjectError + 4294705151 = "
                               L"ERRMAP_APP_FIRST + 4294699953 \r\n  Source: src %Source% \r\n"),
              std::wstring::npos);
}

TEST_F(ErrTraceTest, ApiLineOnlyForMeaningfulCodes) {
    Frame f1(L"frmMain.Form_Load", EventHandler);
    f1.run([] { Raise(RuntimeError::PermissionDenied, 203); });
    EXPECT_EQ(window.text.find(L"API Error"), std::wstring::npos);

    system.messages[1234] = L"First\r\nsecond\0"s;
    Frame f2(L"frmMain.Form_Load", EventHandler);
    f2.run([] { Raise(RuntimeError::PermissionDenied, 1234); });
    EXPECT_NE(window.text.find(L"Description: Permission denied\r\n  API Error: (1234) Firstsecond\r\n"),
              std::wstring::npos);
}

TEST_F(ErrTraceTest, NonErrorExceptionsBecomeRunTimeErrorsAndTheHandlerReturnsTheDefault) {
    Frame frame(L"frmMain.Form_Load", EventHandler);
    int result = frame.run([]() -> int { throw std::bad_alloc(); });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(window.text.starts_with(L"Out of memory \r\n"));
    EXPECT_NE(window.text.find(L"  Number: 7 = &H7 "), std::wstring::npos);
}

}  // namespace
