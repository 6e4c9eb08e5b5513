#pragma once
// Failures of the system's component objects, as the program's run-time errors.

#include <windows.h>

namespace app::win32 {

// A control's class could not be reached: the classic "ActiveX component can't create object".
[[noreturn]] void RaiseCannotCreate(HRESULT hr);
// A call on a component object failed: an automation error carrying the call's result.
[[noreturn]] void RaiseAutomationError(HRESULT hr);

}  // namespace app::win32
