#include "platform/native/host_system_info.h"

#include <ctime>
#include <unistd.h>

#include "platform/program_identity.h"

namespace platform {

std::wstring HostSystemInfo::ComputerName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return {};
    std::wstring wide;
    for (const char* c = name; *c; ++c) wide += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return wide;
}

// The codes are Windows system error codes; this host has no texts for them.
std::wstring HostSystemInfo::SystemMessage(std::int32_t) { return {}; }

std::wstring HostSystemInfo::DateSeparator() { return L"/"; }
std::wstring HostSystemInfo::TimeSeparator() { return L":"; }

LocalTime HostSystemInfo::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::wstring HostSystemInfo::ProgramName() { return kProgramName; }
ProgramVersion HostSystemInfo::Version() { return kProgramVersion; }
std::wstring HostSystemInfo::DataAccessVersion() { return L"?"; }

}  // namespace platform
