#pragma once
// The one failure type of the control library. It carries the status code that the
// control hands back to its host as the result of the failing call; the control never
// reports a failure itself.

#include <cstdint>
#include <exception>

namespace button {

// Status codes in the form the host's automation layer expects (the classic control errors).
inline constexpr std::int32_t kOverflow = static_cast<std::int32_t>(0x800A0006);
inline constexpr std::int32_t kTypeMismatch = static_cast<std::int32_t>(0x800A000D);
inline constexpr std::int32_t kObjectVariableNotSet = static_cast<std::int32_t>(0x800A005B);
inline constexpr std::int32_t kInvalidPropertyValue = static_cast<std::int32_t>(0x800A017C);

class ControlError : public std::exception {
public:
    explicit ControlError(std::int32_t status) : status_(status) {}
    std::int32_t status() const noexcept { return status_; }
    const char* what() const noexcept override { return "button::ControlError"; }

private:
    std::int32_t status_;
};

}  // namespace button
