#include "errors/err_trace.h"

#include "errors/data_access.h"
#include "errors/report_window.h"
#include "errors/report_text.h"
#include "platform/message_box.h"
#include "platform/system_info.h"

namespace errors {

namespace {

struct PreservedError {
    bool preserved = false;
    std::int32_t number = 0;
    std::wstring source;
    std::wstring description;
    std::int32_t statement = 0;
    std::wstring helpFile;
    std::wstring helpContext;  // decimal digits, empty when never set
    std::int32_t lastSystemError = 0;
};

struct Module {
    ErrorRecord current;
    PreservedError preserved;
    std::wstring reportBuffer;
    ReportServices services;
};

Module& M() {
    static Module module;
    return module;
}

void AddReportLine(const std::wstring& line) {
    if (ErrIsUserError()) return;
    M().reportBuffer += line;
    M().reportBuffer += report::kCrLf;
}

// A part of the report that cannot be had is left out; the rest of the report still comes.
template <class Step>
void LeaveOutIfFailing(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

std::wstring AdoVersion() { return M().services.system ? M().services.system->DataAccessVersion() : std::wstring(L"?"); }

void FormatErrorHeader(const std::wstring& name) {
    platform::SystemInfo* system = M().services.system;
    report::HeaderFacts facts;
    facts.methodName = name;
    facts.number = M().preserved.number;
    facts.source = M().preserved.source;
    facts.description = M().preserved.description;
    facts.adoVersion = L"?";
    if (system) {
        LeaveOutIfFailing([&] { facts.computer = system->ComputerName(); });
        LeaveOutIfFailing([&] { facts.time = report::FormatTime(system->Now(), system->DateSeparator(), system->TimeSeparator()); });
        LeaveOutIfFailing([&] { facts.app = system->ProgramName(); });
        LeaveOutIfFailing([&] {
            platform::ProgramVersion v = system->Version();
            facts.version = std::to_wstring(v.major) + L"." + std::to_wstring(v.minor) + L"." + std::to_wstring(v.revision);
        });
        LeaveOutIfFailing([&] { facts.adoVersion = AdoVersion(); });
    }
    M().reportBuffer = report::FormatErrorHeader(facts);
}

void AddApiErrorInfo() {
    const std::int32_t code = M().preserved.lastSystemError;
    // 203 (no such environment variable) is left behind by too many harmless calls to mean anything.
    if (code == 0 || code == 203) return;
    std::wstring text;
    LeaveOutIfFailing([&] {
        if (M().services.system) text = report::CleanSystemMessage(M().services.system->SystemMessage(code));
    });
    AddReportLine(L"  API Error: (" + std::to_wstring(code) + L") " + text);
}

void AddCallStackLine(const std::wstring& name, const std::wstring& argNames, const Value& args,
                      std::wstring_view envNames, const Value& envValues) {
    report::FormattedArgs formatted = report::FormatArgValues(argNames, args);
    AddReportLine(report::CallStackLine(name, formatted.items, M().preserved.statement));
    if (!formatted.longValues.empty()) AddReportLine(formatted.longValues);
    if (!envNames.empty()) {
        report::FormattedArgs env = report::FormatArgValues(envNames, envValues);
        AddReportLine(L"    Env: " + env.items);
        if (!env.longValues.empty()) AddReportLine(env.longValues);
    }
}

}  // namespace

ErrTraceScope::ErrTraceScope(const ReportServices& services) : previous_(M().services) {
    M() = Module{};
    M().services = services;
}

ErrTraceScope::~ErrTraceScope() {
    M() = Module{};
    M().services = previous_;
}

ErrorRecord& CurrentError() { return M().current; }
void ClearCurrentError() { M().current = ErrorRecord{}; }

std::wstring ErrorIn(std::wstring_view methodName, const Value& args, std::int32_t options,
                     const std::shared_ptr<LateBoundObject>& dbObject, std::wstring_view envNames,
                     const Value& envValues, LateBoundObject* transObject) {
    ErrorRecord& current = M().current;
    if (current.number == 0 && !M().preserved.preserved) {
        current.number = kErrGeneral;
        current.description =
            L"ErrorIn: Error information was lost. To fix: call ErrPreserve before doing anything in error handler.";
    }
    ErrPreserve();

    const std::shared_ptr<LateBoundObject> connection = data_access::GetConnection(dbObject);
    std::wstring result;

    if (ErrIsUserError()) {
        M().reportBuffer.clear();
        data_access::AbortTransaction(options, connection.get(), transObject, AddReportLine);
    } else {
        if (HasFlag(options, kComposeReport)) {
            report::SplitName split = report::SplitMethodName(methodName);
            if (ErrIsPropagated()) {
                M().reportBuffer = M().preserved.description;
            } else {
                LeaveOutIfFailing([&] { FormatErrorHeader(split.name); });
                LeaveOutIfFailing(AddApiErrorInfo);
                data_access::AddAdoInfo(connection.get(), dbObject.get(), AdoVersion(), AddReportLine);
                // The web request block needs a transaction context, and this program serves no requests.
            }
            LeaveOutIfFailing([&] { AddCallStackLine(split.name, split.argNames, args, envNames, envValues); });
        }
        data_access::AbortTransaction(options, connection.get(), transObject, AddReportLine);
        if (HasFlag(options, kCloseConnection)) data_access::CloseConnection(connection.get(), AddReportLine);
        if (HasFlag(options, kComposeReport)) {
            M().preserved.source = kProcessedSource;
            M().preserved.description = M().reportBuffer;
            result = M().reportBuffer;
        }
    }

    ErrRestore();
    M().preserved.preserved = false;

    if (HasFlag(options, kRaiseAgain)) throw Error(M().current);
    return result;
}

void ErrPreserve() {
    const ErrorRecord& current = M().current;
    PreservedError& p = M().preserved;
    if (current.number == 0 || p.preserved) return;
    p.number = current.number;
    p.description = current.description;
    p.source = current.source;
    p.helpFile = current.helpFile;
    p.helpContext = std::to_wstring(current.helpContext);
    p.statement = current.statement;
    p.lastSystemError = current.lastSystemError;
    p.preserved = true;
}

void ErrRestore() {
    const PreservedError& p = M().preserved;
    if (!p.preserved) return;
    ErrorRecord& current = M().current;
    current = ErrorRecord{};
    current.number = p.number;
    current.source = p.source;
    current.description = p.description;
    if (!p.helpContext.empty()) current.helpContext = std::stoi(p.helpContext);
    current.helpFile = p.helpFile;
    // The failure is the same one on its way up: what the system said about it stays with it.
    current.lastSystemError = p.lastSystemError;
}

void ShowErrorReport(bool modal) {
    if (ErrIsUserError()) {
        if (ErrNumber() == kSilentUserError || !M().services.messageBoxes) return;
        ShowUserMessage(*M().services.messageBoxes, M().current.description);
        return;
    }
    if (!M().services.reportWindow) return;
    if (modal) ShowReportWindowModal(*M().services.reportWindow);
    SetErrorReport(*M().services.reportWindow, GetErrorReport());
}

std::int32_t ErrNumber() { return M().preserved.number; }
std::wstring ErrSource() { return M().preserved.source; }
bool IsUserErrorNumber(std::int32_t number) { return number >= kUserBandFirst && number <= kUserBandLast; }
bool ErrIsUserError() { return IsUserErrorNumber(ErrNumber()); }
bool ErrIsPropagated() { return ErrSource() == kProcessedSource; }

std::wstring GetErrorReport() {
    if (!M().reportBuffer.empty()) return M().reportBuffer;
    if (ErrIsPropagated()) return M().current.description;
    return {};
}

bool HasFlag(std::int32_t options, std::int32_t mask) { return (options & mask) != 0; }

}  // namespace errors
