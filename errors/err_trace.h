#pragma once
// The error module: every procedure's handler hands its failure to ErrorIn, which
// composes the report as the error travels up the call chain, and the event handler
// where it stops shows it with ShowErrorReport.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "exception/error.h"
#include "errors/value.h"

namespace platform {
class SystemInfo;
class MessageBoxes;
}  // namespace platform

namespace errors {

class LateBoundObject;
class ReportView;

inline constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);
inline constexpr std::int32_t kErrMapAppFirst = kObjectErrorBase + 5198;
inline constexpr std::int32_t kErrGeneral = kErrMapAppFirst;
inline constexpr std::int32_t kUserBandFirst = kObjectErrorBase + 4197;
inline constexpr std::int32_t kUserBandLast = kObjectErrorBase + 5197;
inline constexpr std::int32_t kSilentUserError = kObjectErrorBase + 4200;
inline constexpr wchar_t kProcessedSource[] = L"ErrTrace.ErrorIn";

// The options word of ErrorIn.
enum Options : std::int32_t {
    kRaiseAgain = 1,
    kComposeReport = 2,
    kAbortTransaction = 4,
    kDisableCommit = 8,
    kRollback = 16,
    kWebRequestInfo = 32,
    kCloseConnection = 64,
    kEventHandlerOptions = kComposeReport | kDisableCommit | kWebRequestInfo,
    kProcedureOptions = kRaiseAgain | kEventHandlerOptions,
};

// The services behind the report. Without one, the report goes without what it gives.
struct ReportServices {
    platform::SystemInfo* system = nullptr;
    platform::MessageBoxes* messageBoxes = nullptr;
    ReportView* reportWindow = nullptr;
};

// While it lives, the module reports through the given services, starting from no error
// and no report; when it ends, the services before it are back and its errors forgotten.
class ErrTraceScope {
public:
    explicit ErrTraceScope(const ReportServices& services);
    ~ErrTraceScope();
    ErrTraceScope(const ErrTraceScope&) = delete;
    ErrTraceScope& operator=(const ErrTraceScope&) = delete;

private:
    ReportServices previous_;
};

// The current error: the pending failure that raising sets and a handler takes over.
ErrorRecord& CurrentError();
void ClearCurrentError();

std::wstring ErrorIn(std::wstring_view methodName, const Value& args, std::int32_t options,
                     const std::shared_ptr<LateBoundObject>& dbObject = nullptr, std::wstring_view envNames = {},
                     const Value& envValues = Value(), LateBoundObject* transObject = nullptr);
void ErrPreserve();
void ErrRestore();
void ShowErrorReport(bool modal);

std::int32_t ErrNumber();
std::wstring ErrSource();
bool IsUserErrorNumber(std::int32_t number);
bool ErrIsUserError();
bool ErrIsPropagated();
std::wstring GetErrorReport();
bool HasFlag(std::int32_t options, std::int32_t mask);

}  // namespace errors
