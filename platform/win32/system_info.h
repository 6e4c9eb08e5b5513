#pragma once
// The report's questions answered by Windows.

#include "platform/system_info.h"

namespace platform {

class Win32SystemInfo final : public SystemInfo {
public:
    std::wstring ComputerName() override;
    std::wstring SystemMessage(std::int32_t code) override;
    std::wstring DateSeparator() override;
    std::wstring TimeSeparator() override;
    LocalTime Now() override;
    std::wstring ProgramName() override;
    ProgramVersion Version() override;
    std::wstring DataAccessVersion() override;
};

}  // namespace platform
