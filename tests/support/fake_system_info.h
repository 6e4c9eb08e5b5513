#pragma once
// A machine whose answers the report tests know in advance.

#include <map>

#include "platform/system_info.h"

namespace testing_support {

class FakeSystemInfo final : public platform::SystemInfo {
public:
    std::map<std::int32_t, std::wstring> messages{{3, L"The system cannot find the path specified.\r\n"},
                                                  {5, L"Access is denied.\r\n"}};

    std::wstring ComputerName() override { return L"PC1"; }
    std::wstring SystemMessage(std::int32_t code) override {
        auto it = messages.find(code);
        return it == messages.end() ? std::wstring() : it->second;
    }
    std::wstring DateSeparator() override { return L"/"; }
    std::wstring TimeSeparator() override { return L":"; }
    platform::LocalTime Now() override { return {2026, 12, 6, 22, 43, 4}; }
    std::wstring ProgramName() override { return L"Kalvex3"; }
    platform::ProgramVersion Version() override { return {3, 1, 8}; }
    std::wstring DataAccessVersion() override { return L"?"; }
};

}  // namespace testing_support
