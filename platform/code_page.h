#pragma once
// The single-byte ANSI code page in which the program's texts lie on disk.

#include <string>

namespace platform {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // A character that the code page lacks becomes the code page's default character, never
    // a look-alike, so that no character of meaning (a quote, say) can appear in its place.
    virtual std::string FromWide(const std::wstring& text) = 0;
    virtual std::wstring ToWide(const std::string& bytes) = 0;
};

}  // namespace platform
