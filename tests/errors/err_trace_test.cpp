// How an error travels from the failing procedure to the event handler, what the user is
// shown at the end (one report window, modeless unless a modal dialog forbids it), and the
// data-access clean-up on the way.

#include <gtest/gtest.h>

#include <map>
#include <new>

#include "errors/data_access.h"
#include "errors/err_trace.h"
#include "errors/frame.h"
#include "errors/report_window.h"
#include "support/fake_system_info.h"
#include "support/recording_report_window.h"
#include "support/report_lines.h"

using namespace errors;
using namespace std::string_literals;
using testing_support::Line;
using testing_support::StackLine;
using Calls = std::vector<std::string>;

namespace {

class ErrTraceTest : public ::testing::Test {
protected:
    testing_support::FakeSystemInfo system;
    testing_support::RecordingReportWindow window;
    testing_support::RecordingMessageBoxes boxes;
    ErrTraceScope errTrace{{&system, &boxes, &window}};

    void SetUp() override {
        system.messages[3] = L"The system cannot find the path specified.\r\n";
    }

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

TEST_F(ErrTraceTest, OneLevelHandlerShowsHeaderAndOneCallStackLine) {
    Frame frame(L"frmInfo.cbtnOk_Click", EventHandler);
    frame.run([&] {
        frame.at(20);
        Raise(RuntimeError::FileNotFound);
    });

    const std::wstring expected =
        Header(L"frmInfo.cbtnOk_Click", L"53 = &H35 = vbObjectError + 2147221557 = ERRMAP_APP_FIRST + 2147216359 ",
               L"Kalvex3", L"File not found") +
        StackLine(L"  Call Stack: frmInfo.cbtnOk_Click()  at Line 20 ");
    EXPECT_EQ(window.text, expected);
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
    EXPECT_NE(window.text.find(L"  API Error: (5) Access is denied.\r\n"), std::wstring::npos);
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

// A user-band error passes the procedure between unchanged, without a call stack.
void RaiseFromHandler(std::int32_t number) {
    Frame handler(L"frmMain.cbtnOpen_Click", EventHandler);
    handler.run([&] {
        Frame procedure(L"frmMain.RightICQPath(strPath)", Procedure, [] { return Value(L"C:\\x"); });
        procedure.run([&] { Raise(number, L"Kalvex3.frmMain", L"Bitte erst ein Bild wählen."); });
    });
}

// The user band's ends give the user a message box, the numbers just outside a full report,
// the silent number neither.
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
        RaiseFromHandler(c.number);
        ASSERT_EQ(boxes.shown.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(boxes.shown[0].text, L"Bitte erst ein Bild wählen.");
            EXPECT_EQ(boxes.shown[0].title, L"Kalvex 3");
            EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
            EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::None);
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
    EXPECT_NE(window.text.find(L"  Description: 50% done at %Time% %nl%\r\n"), std::wstring::npos);
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

    Frame f3(L"frmMain.Form_Load", EventHandler);
    f3.run([] { Raise(RuntimeError::PermissionDenied, 999); });  // no text for it: the line still shows the code
    EXPECT_NE(window.text.find(L"\r\n  API Error: (999) \r\n"), std::wstring::npos);
}

TEST_F(ErrTraceTest, NonErrorExceptionsBecomeRunTimeErrorsAndTheHandlerReturnsTheDefault) {
    Frame frame(L"frmMain.Form_Load", EventHandler);
    int result = frame.run([]() -> int { throw std::bad_alloc(); });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(window.text.starts_with(L"Out of memory \r\n"));
    EXPECT_NE(window.text.find(L"  Number: 7 = &H7 "), std::wstring::npos);
}

TEST_F(ErrTraceTest, ReportWindowFirstReportShowsModelessThenLaterOnesOnlyReplaceText) {
    SetErrorReport(window, L"one");
    EXPECT_EQ(window.calls, (Calls{"SetText", "ShowModeless", "Activate"}));
    window.calls.clear();
    SetErrorReport(window, L"two");
    EXPECT_EQ(window.calls, (Calls{"SetText", "Activate"}));
    EXPECT_EQ(window.text, L"two");
}

TEST_F(ErrTraceTest, ReportWindowFallsBackToModalWhenModelessIsRefused) {
    window.modelessRefused = true;
    SetErrorReport(window, L"report");
    EXPECT_EQ(window.calls, (Calls{"SetText", "ShowModeless", "ShowModal", "Activate"}));
}

class FakeObject : public LateBoundObject {
public:
    FakeObject(std::wstring type) : type_(std::move(type)) {}
    std::map<std::wstring, Value> members;
    std::vector<std::shared_ptr<LateBoundObject>> items;
    std::vector<std::wstring> calls;
    std::map<std::wstring, std::wstring> failures;  // method -> description

    std::wstring TypeName() const override { return type_; }
    Value Get(std::wstring_view member) override {
        auto it = members.find(std::wstring(member));
        if (it == members.end()) Raise(438, L"ADODB", L"Object doesn't support this property or method");
        return it->second;
    }
    void Call(std::wstring_view method) override {
        calls.emplace_back(method);
        auto it = failures.find(std::wstring(method));
        if (it != failures.end()) Raise(-2147217900, L"ADODB", it->second);
    }
    std::vector<std::shared_ptr<LateBoundObject>> Items() override { return items; }

private:
    std::wstring type_;
};

// The data-access block and transaction clean-up, for the callers that pass such objects.
class DataAccessTest : public ErrTraceTest {
protected:
    std::shared_ptr<FakeObject> connection = std::make_shared<FakeObject>(L"Connection");
    std::shared_ptr<FakeObject> recordset = std::make_shared<FakeObject>(L"Recordset");

    void SetUp() override {
        ErrTraceTest::SetUp();
        auto errorList = std::make_shared<FakeObject>(L"Errors");
        auto item = std::make_shared<FakeObject>(L"Error");
        item->members[L"Description"] = L"Deadlock victim";
        errorList->items = {item};
        errorList->members[L"Count"] = std::int32_t{1};
        connection->members = {{L"ConnectionString", L"Provider=SQLOLEDB"},
                               {L"State", std::int32_t{5}},
                               {L"Errors", Value::Object{errorList}}};
        recordset->members[L"ActiveConnection"] = Value::Object{connection};
    }

    std::wstring Fail(std::int32_t options, LateBoundObject* trans = nullptr) {
        CurrentError().number = 1;
        return ErrorIn(L"clsData.Load", Value(), options, recordset, {}, Value(), trans);
    }
};

TEST_F(DataAccessTest, RollbackOnOpenConnectionThenClose) {
    connection->failures[L"RollbackTrans"] = L"No transaction is active.";
    std::wstring report = Fail(kEventHandlerOptions | kRollback | kCloseConnection);
    const std::wstring block = L"  ADO Info: \r\n"
                               L"    ADO Version:   ?\r\n"
                               L"    DbObject:      Recordset\r\n"
                               L"    Conn. String: 'Provider=SQLOLEDB'\r\n"
                               L"    Conn. State:   adStateOpen + adStateExecuting\r\n"
                               L"    Error:         Deadlock victim\r\n"
                               L"  Call Stack: clsData.Load() ";
    EXPECT_NE(report.find(block), std::wstring::npos) << "the block stands before the call stack line";
    EXPECT_NE(report.find(L"\r\n    Transaction: Attempt to call RollbackTrans failed with error "
                          L"'No transaction is active.'\r\n    Connection: Attempt to call Close succeeded\r\n"),
              std::wstring::npos);
    EXPECT_EQ(connection->calls, (std::vector<std::wstring>{L"RollbackTrans", L"Close"}));
}

TEST_F(DataAccessTest, ClosedConnectionIsNotRolledBackNorClosed) {
    connection->members[L"State"] = std::int32_t{0};
    std::wstring report = Fail(kEventHandlerOptions | kRollback | kCloseConnection);
    EXPECT_NE(report.find(L"    Transaction: Could not call RollbackTrans: Connection is closed \r\n"),
              std::wstring::npos);
    EXPECT_EQ(report.find(L"Connection: Attempt"), std::wstring::npos);
    EXPECT_TRUE(connection->calls.empty());
}

TEST_F(DataAccessTest, TransactionObjectIsAbortedInsteadOfRollback) {
    FakeObject trans(L"ObjectControl");
    std::wstring report = Fail(kEventHandlerOptions | kRollback, &trans);
    EXPECT_NE(report.find(L"    Transaction: Attempt to call TransControlObject.SetAbort: succeeded\r\n"),
              std::wstring::npos);
    EXPECT_EQ(trans.calls, (std::vector<std::wstring>{L"SetAbort"}));
    EXPECT_TRUE(connection->calls.empty());
}

TEST_F(DataAccessTest, UserBandErrorStillAbortsButWritesNothing) {
    FakeObject trans(L"ObjectControl");
    CurrentError().number = kUserBandFirst;
    EXPECT_EQ(ErrorIn(L"x", Value(), kEventHandlerOptions, nullptr, {}, Value(), &trans), L"");
    EXPECT_EQ(trans.calls.size(), 1u);
    EXPECT_EQ(GetErrorReport(), L"");
}

}  // namespace
