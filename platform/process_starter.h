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
    // Starts this program once more with administrator rights, which the system asks the user
    // to grant; false when the user refused or cancelled, or the program did not start.
    virtual bool RestartElevated() = 0;
};

}  // namespace platform
