#pragma once
// Between COM results and the control's failures, in both directions.

#include <windows.h>

#include <type_traits>

#include "button/control_error.h"
#include "platform/win32/com_result.h"

namespace button {

inline void Check(HRESULT hr) {
    if (FAILED(hr)) throw ControlError(static_cast<std::int32_t>(hr));
}

// A property's value through its out-parameter, as every getter hands it back.
template <class T, class Value>
HRESULT Give(T* out, Value value) {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

// Runs a step and returns its failure as the call's result: the control's own failures with
// their status, whatever else with what platform::ResultOf makes of it. A step returns
// nothing (S_OK when it ends) or its own HRESULT.
template <class Step>
HRESULT Guarded(Step&& step) noexcept {
    return platform::ResultOf([&]() -> HRESULT {
        try {
            if constexpr (std::is_void_v<std::invoke_result_t<Step&>>) {
                step();
                return S_OK;
            } else {
                return step();
            }
        } catch (const ControlError& e) {
            return static_cast<HRESULT>(e.status());
        }
    });
}

}  // namespace button
