#pragma once
// The current user's language and number format, as Windows keeps them.

#include "platform/user_locale.h"

namespace platform {

class Win32UserLocale final : public UserLocale {
public:
    std::uint16_t DefaultLanguageId() override;
    wchar_t DecimalSeparator() override;
};

}  // namespace platform
