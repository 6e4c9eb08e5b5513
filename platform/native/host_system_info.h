#pragma once
// The host's answers to the report's questions, for builds that are not for Windows.

#include "platform/system_info.h"

namespace platform {

class HostSystemInfo final : public SystemInfo {
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
