#pragma once
// Between COM results and the control's failures, in both directions.

#include <windows.h>

#include <new>

#include "button/control_error.h"

namespace button {

inline void Check(HRESULT hr) {
    if (FAILED(hr)) throw ControlError(static_cast<std::int32_t>(hr));
}

// Runs a step and returns its failure as the call's result.
template <class Step>
HRESULT Guarded(Step&& step) noexcept {
    try {
        step();
        return S_OK;
    } catch (const ControlError& e) {
        return static_cast<HRESULT>(e.status());
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace button
