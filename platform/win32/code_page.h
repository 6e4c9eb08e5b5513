#pragma once
// The system's ANSI code page.

#include "platform/code_page.h"

namespace platform {

class Win32AnsiCodePage final : public AnsiCodePage {
public:
    std::string FromWide(const std::wstring& text) override;
    std::wstring ToWide(const std::string& bytes) override;
};

}  // namespace platform
