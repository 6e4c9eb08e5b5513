#include "app/win32/com_error.h"

#include "exception/error.h"

namespace app::win32 {

namespace {
constexpr std::int32_t kCannotCreateObject = 429;
}

void RaiseCannotCreate(HRESULT hr) {
    errors::Raise(kCannotCreateObject, errors::kRuntimeSource, L"ActiveX component can't create object",
                  static_cast<std::int32_t>(hr));
}

void RaiseAutomationError(HRESULT hr) {
    errors::Raise(static_cast<std::int32_t>(hr), errors::kRuntimeSource, L"Automation error",
                  static_cast<std::int32_t>(hr));
}

}  // namespace app::win32
