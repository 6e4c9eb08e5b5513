#pragma once
// The current user's language and number format.

#include <cstdint>

namespace platform {

class UserLocale {
public:
    virtual ~UserLocale() = default;
    virtual std::uint16_t DefaultLanguageId() = 0;  // 0x0407 for German (Germany)
    virtual wchar_t DecimalSeparator() = 0;
};

}  // namespace platform
