#include "errors/data_access.h"

#include "errors/err_trace.h"

namespace errors::data_access {

namespace {

std::int32_t ToLong(const Value& value) {
    if (auto v = std::get_if<std::int32_t>(&value.data())) return *v;
    if (auto v = std::get_if<std::int16_t>(&value.data())) return *v;
    Raise(RuntimeError::TypeMismatch);
}

std::wstring ToText(const Value& value) {
    if (auto v = std::get_if<std::wstring>(&value.data())) return *v;
    Raise(RuntimeError::TypeMismatch);
}

std::shared_ptr<LateBoundObject> ToObject(const Value& value) {
    if (auto v = std::get_if<Value::Object>(&value.data())) return v->object;
    Raise(RuntimeError::TypeMismatch);
}

std::int32_t State(LateBoundObject& connection) { return ToLong(connection.Get(L"State")); }

}  // namespace

std::shared_ptr<LateBoundObject> GetConnection(const std::shared_ptr<LateBoundObject>& dbObject) {
    if (!dbObject) return nullptr;
    try {
        const std::wstring type = dbObject->TypeName();
        if (type == L"Connection") return dbObject;
        if (type == L"Command" || type == L"Recordset") return ToObject(dbObject->Get(L"ActiveConnection"));
        return ToObject(dbObject->Get(L"Connection"));
    } catch (...) {
        return nullptr;
    }
}

void AddAdoInfo(LateBoundObject* connection, LateBoundObject* dbObject, const std::wstring& adoVersion,
                const AddLine& addLine) {
    if (!connection) return;
    try {
        addLine(L"  ADO Info: ");
        addLine(L"    ADO Version:   " + adoVersion);
        addLine(L"    DbObject:      " + (dbObject ? dbObject->TypeName() : std::wstring(L"Nothing")));
        addLine(L"    Conn. String: '" + ToText(connection->Get(L"ConnectionString")) + L"'");
        addLine(L"    Conn. State:   " + AdoStateText(State(*connection)));
        auto errorList = ToObject(connection->Get(L"Errors"));
        if (errorList && ToLong(errorList->Get(L"Count")) > 0) {
            for (const auto& item : errorList->Items())
                addLine(L"    Error:         " + ToText(item->Get(L"Description")));
        }
    } catch (...) {
    }
}

void AbortTransaction(std::int32_t options, LateBoundObject* connection, LateBoundObject* transObject,
                      const AddLine& addLine) {
    try {
        std::wstring text;
        LateBoundObject* context = GetContextObject();
        if (transObject) {
            text = L"Attempt to call TransControlObject.SetAbort: " + CallDbMethod(*transObject, L"SetAbort");
        } else if (context && HasFlag(options, kAbortTransaction | kDisableCommit)) {
            if (HasFlag(options, kAbortTransaction))
                text = L"Attempt to call ObjectContext.SetAbort " + CallDbMethod(*context, L"SetAbort");
            else
                text = L"Attempt to call ObjectContext.DisableCommit " + CallDbMethod(*context, L"DisableCommit");
        } else if (connection && HasFlag(options, kRollback)) {
            if (State(*connection) == 0)
                text = L"Could not call RollbackTrans: Connection is closed ";
            else
                text = L"Attempt to call RollbackTrans " + CallDbMethod(*connection, L"RollbackTrans");
        }
        if (!text.empty()) addLine(L"    Transaction: " + text);
    } catch (...) {
    }
}

void CloseConnection(LateBoundObject* connection, const AddLine& addLine) {
    try {
        if (connection && State(*connection) != 0)
            addLine(L"    Connection: Attempt to call Close " + CallDbMethod(*connection, L"Close"));
    } catch (...) {
    }
}

std::wstring CallDbMethod(LateBoundObject& target, std::wstring_view methodName) {
    try {
        target.Call(methodName);
        return L"succeeded";
    } catch (const Error& e) {
        return L"failed with error '" + e.record().description + L"'";
    } catch (...) {
        return L"failed with error '" + RuntimeErrorText(RuntimeError::Internal) + L"'";
    }
}

std::wstring AdoStateText(std::int32_t state) {
    if (state == 0) return L"adStateClosed";
    std::wstring text;
    if (state & 1) text = L"adStateOpen";
    if (state & 2) text += L" + adStateConnecting";
    if (state & 4) text += L" + adStateExecuting";
    if (state & 8) text += L" + adStateFetching";
    return text;
}

LateBoundObject* GetContextObject() { return nullptr; }

}  // namespace errors::data_access
