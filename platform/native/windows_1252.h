#pragma once
// Windows-1252, the ANSI code page of Western European Windows, for hosts that have none.

#include "platform/code_page.h"

namespace platform {

class Windows1252CodePage final : public AnsiCodePage {
public:
    std::string FromWide(const std::wstring& text) override;
    std::wstring ToWide(const std::string& bytes) override;
};

}  // namespace platform
