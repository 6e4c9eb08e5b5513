#pragma once
// The calling thread's last system error, raised as the run-time error it stands for.

#include <windows.h>

#include "exception/error.h"

namespace platform {

[[noreturn]] inline void RaiseLastError() { errors::RaiseSystemError(GetLastError()); }

}  // namespace platform
