#pragma once
// Hands a document, address or "mailto:" target to the program the user has for it.

#include <string>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens the target with the verb "Open" from the program's own folder; whether
    // anything could open it is not reported.
    virtual void Open(const std::wstring& target) = 0;
};

}  // namespace platform
