#pragma once
// Runs one step of an operation that goes on with its next step when this one fails.

#include "button/control_error.h"

namespace button {

template <class Step>
void Attempt(Step&& step) {
    try {
        step();
    } catch (const ControlError&) {
    }
}

}  // namespace button
