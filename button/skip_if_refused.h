#pragma once
// Runs one step of an operation that goes on with its next step when the control refuses
// this one.

#include "button/control_error.h"

namespace button {

template <class Step>
void SkipIfRefused(Step&& step) {
    try {
        step();
    } catch (const ControlError&) {
    }
}

}  // namespace button
