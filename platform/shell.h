#pragma once
// Hands an address, a web or "mailto:" target, to the program the user has for it.

#include <string>
#include <string_view>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens an address (IsAddress) with the verb "Open"; whether anything could open it is
    // not reported. Any other target is refused with an error: the shell would look for it
    // as a file in a folder, where a program of that name could run in its place.
    virtual void Open(const std::wstring& target) = 0;
};

// Whether the target begins with a scheme ("http:", "mailto:"): a letter, then letters,
// digits, "+", "-" or ".", then a colon. A single letter before the colon is a drive.
inline bool IsAddress(std::wstring_view target) {
    const auto isLetter = [](wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); };
    const std::size_t colon = target.find(L':');
    if (colon == std::wstring_view::npos || colon < 2 || !isLetter(target[0])) return false;
    for (wchar_t c : target.substr(1, colon - 1))
        if (!isLetter(c) && !(c >= L'0' && c <= L'9') && c != L'+' && c != L'-' && c != L'.') return false;
    return true;
}

}  // namespace platform
