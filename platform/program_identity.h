#pragma once
// The program's name and version, where no version resource can be read.

#include "platform/system_info.h"

namespace platform {

inline constexpr wchar_t kProgramName[] = L"Kalvex3";
inline constexpr ProgramVersion kProgramVersion{3, 1, 8};

}  // namespace platform
