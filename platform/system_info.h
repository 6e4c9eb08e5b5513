#pragma once
// What the error report needs to know about the machine and the program.

#include <cstdint>
#include <string>

namespace platform {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

struct ProgramVersion {
    int major = 0, minor = 0, revision = 0;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual std::wstring ComputerName() = 0;                  // empty when unknown
    virtual std::wstring SystemMessage(std::int32_t code) = 0; // the system's text, as it comes; empty when none
    virtual std::wstring DateSeparator() = 0;
    virtual std::wstring TimeSeparator() = 0;
    virtual LocalTime Now() = 0;
    virtual std::wstring ProgramName() = 0;                    // the program file's name without extension
    virtual ProgramVersion Version() = 0;
    virtual std::wstring DataAccessVersion() = 0;              // "?" where no data-access component exists
};

}  // namespace platform
