#pragma once
// Starting another program and leaving it to run on its own.

#include <string>
#include <vector>

namespace platform {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Each argument reaches the program as one argument, exactly as given: no shell
    // interprets it. Returns at once; whether the program could start is not reported.
    virtual void Start(const std::wstring& program, const std::vector<std::wstring>& arguments) = 0;
};

}  // namespace platform
