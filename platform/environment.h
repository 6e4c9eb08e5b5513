#pragma once
// The process's environment variables, where Windows tells where its own folders lie.

#include <string>

namespace platform {

class Environment {
public:
    virtual ~Environment() = default;
    // The variable's value; empty when it is not set.
    virtual std::wstring Variable(const std::wstring& name) = 0;
};

}  // namespace platform
