// The data-access block and transaction clean-up, for the callers that pass such objects.

#include <gtest/gtest.h>

#include <map>

#include "errors/data_access.h"
#include "errors/err_trace.h"
#include "support/fake_system_info.h"
#include "support/recording_report_window.h"

using namespace errors;

namespace {

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

struct Fixture : ::testing::Test {
    testing_support::FakeSystemInfo system;
    testing_support::RecordingReportWindow window;
    ErrTraceScope errTrace{{.system = &system, .reportWindow = &window}};
    std::shared_ptr<FakeObject> connection = std::make_shared<FakeObject>(L"Connection");
    std::shared_ptr<FakeObject> recordset = std::make_shared<FakeObject>(L"Recordset");

    void SetUp() override {
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

TEST_F(Fixture, RollbackOnOpenConnectionThenClose) {
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

TEST_F(Fixture, ClosedConnectionIsNotRolledBackNorClosed) {
    connection->members[L"State"] = std::int32_t{0};
    std::wstring report = Fail(kEventHandlerOptions | kRollback | kCloseConnection);
    EXPECT_NE(report.find(L"    Transaction: Could not call RollbackTrans: Connection is closed \r\n"),
              std::wstring::npos);
    EXPECT_EQ(report.find(L"Connection: Attempt"), std::wstring::npos);
    EXPECT_TRUE(connection->calls.empty());
}

TEST_F(Fixture, TransactionObjectIsAbortedInsteadOfRollback) {
    FakeObject trans(L"ObjectControl");
    std::wstring report = Fail(kEventHandlerOptions | kRollback, &trans);
    EXPECT_NE(report.find(L"    Transaction: Attempt to call TransControlObject.SetAbort: succeeded\r\n"),
              std::wstring::npos);
    EXPECT_EQ(trans.calls, (std::vector<std::wstring>{L"SetAbort"}));
    EXPECT_TRUE(connection->calls.empty());
}

TEST_F(Fixture, UserBandErrorStillAbortsButWritesNothing) {
    FakeObject trans(L"ObjectControl");
    CurrentError().number = kUserBandFirst;
    EXPECT_EQ(ErrorIn(L"x", Value(), kEventHandlerOptions, nullptr, {}, Value(), &trans), L"");
    EXPECT_EQ(trans.calls.size(), 1u);
    EXPECT_EQ(GetErrorReport(), L"");
}

}  // namespace
