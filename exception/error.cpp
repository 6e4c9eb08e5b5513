#include "exception/error.h"

namespace errors {

std::wstring RuntimeErrorText(RuntimeError error) {
    switch (error) {
    case RuntimeError::InvalidCall: return L"Invalid procedure call or argument";
    case RuntimeError::Overflow: return L"Overflow";
    case RuntimeError::OutOfMemory: return L"Out of memory";
    case RuntimeError::TypeMismatch: return L"Type mismatch";
    case RuntimeError::Internal: return L"Internal error";
    case RuntimeError::BadFileName: return L"Bad file name or number";
    case RuntimeError::FileNotFound: return L"File not found";
    case RuntimeError::FileAlreadyOpen: return L"File already open";
    case RuntimeError::DeviceIo: return L"Device I/O error";
    case RuntimeError::DiskFull: return L"Disk full";
    case RuntimeError::PermissionDenied: return L"Permission denied";
    case RuntimeError::PathFileAccess: return L"Path/File access error";
    case RuntimeError::PathNotFound: return L"Path not found";
    case RuntimeError::ObjectNotSet: return L"Object variable or With block variable not set";
    case RuntimeError::InvalidPropertyValue: return L"Invalid property value";
    }
    return L"Application-defined or object-defined error";
}

void Raise(std::int32_t number, std::wstring source, std::wstring description, std::int32_t lastSystemError) {
    ErrorRecord record;
    record.number = number;
    record.source = std::move(source);
    record.description = std::move(description);
    record.lastSystemError = lastSystemError;
    throw Error(std::move(record));
}

void Raise(RuntimeError error, std::int32_t lastSystemError) {
    Raise(static_cast<std::int32_t>(error), kRuntimeSource, RuntimeErrorText(error), lastSystemError);
}

void RaiseSystemError(std::uint32_t code) {
    Raise(RuntimeErrorForSystemCode(code), static_cast<std::int32_t>(code));
}

RuntimeError RuntimeErrorForSystemCode(std::uint32_t code) {
    // Windows system error codes, by number, so that this mapping stays portable.
    switch (code) {
    case 2: return RuntimeError::FileNotFound;          // ERROR_FILE_NOT_FOUND
    case 3: return RuntimeError::PathNotFound;          // ERROR_PATH_NOT_FOUND
    case 15: return RuntimeError::PathNotFound;         // ERROR_INVALID_DRIVE
    case 5: return RuntimeError::PermissionDenied;      // ERROR_ACCESS_DENIED
    case 19: return RuntimeError::PermissionDenied;     // ERROR_WRITE_PROTECT
    case 32: return RuntimeError::PermissionDenied;     // ERROR_SHARING_VIOLATION
    case 33: return RuntimeError::PermissionDenied;     // ERROR_LOCK_VIOLATION
    case 8: return RuntimeError::OutOfMemory;           // ERROR_NOT_ENOUGH_MEMORY
    case 14: return RuntimeError::OutOfMemory;          // ERROR_OUTOFMEMORY
    case 39: return RuntimeError::DiskFull;             // ERROR_HANDLE_DISK_FULL
    case 112: return RuntimeError::DiskFull;            // ERROR_DISK_FULL
    case 123: return RuntimeError::BadFileName;         // ERROR_INVALID_NAME
    case 161: return RuntimeError::BadFileName;         // ERROR_BAD_PATHNAME
    case 206: return RuntimeError::BadFileName;         // ERROR_FILENAME_EXCED_RANGE
    case 80: return RuntimeError::PathFileAccess;       // ERROR_FILE_EXISTS
    case 183: return RuntimeError::PathFileAccess;      // ERROR_ALREADY_EXISTS
    case 87: return RuntimeError::InvalidCall;          // ERROR_INVALID_PARAMETER
    default: return RuntimeError::DeviceIo;
    }
}

}  // namespace errors
