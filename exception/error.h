#pragma once
// The one error type of the program. Raising throws it; a procedure frame catches it and
// makes it the current error that ErrorIn takes over.

#include <cstdint>
#include <exception>
#include <string>

namespace errors {

struct ErrorRecord {
    std::int32_t number = 0;
    std::wstring source;
    std::wstring description;
    std::wstring helpFile;
    std::int32_t helpContext = 0;
    std::int32_t statement = 0;        // statement of the failing procedure, 0 when unnumbered
    std::int32_t lastSystemError = 0;  // the thread's last-error value when the error arose
};

class Error : public std::exception {
public:
    explicit Error(ErrorRecord record) : record_(std::move(record)) {}
    const ErrorRecord& record() const noexcept { return record_; }
    const char* what() const noexcept override { return "errors::Error"; }

private:
    ErrorRecord record_;
};

// The classic run-time errors that the operating-system layer reports.
enum class RuntimeError : std::int32_t {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    TypeMismatch = 13,
    Internal = 51,
    BadFileName = 52,
    FileNotFound = 53,
    FileAlreadyOpen = 55,
    DeviceIo = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
    ObjectNotSet = 91,
    InvalidPropertyValue = 380,
};

std::wstring RuntimeErrorText(RuntimeError error);

// The source that run-time errors carry: the program's project name.
inline constexpr wchar_t kRuntimeSource[] = L"Kalvex3";

[[noreturn]] void Raise(std::int32_t number, std::wstring source, std::wstring description,
                        std::int32_t lastSystemError = 0);
[[noreturn]] void Raise(RuntimeError error, std::int32_t lastSystemError = 0);

// The run-time error that a Windows system error code stands for.
RuntimeError RuntimeErrorForSystemCode(std::uint32_t code);
// Raises that run-time error, carrying the code for the report's API line.
[[noreturn]] void RaiseSystemError(std::uint32_t code);

}  // namespace errors
