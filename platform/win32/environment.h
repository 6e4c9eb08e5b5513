#pragma once
// The environment variables through kernel32.

#include "platform/environment.h"

namespace platform {

class Win32Environment final : public Environment {
public:
    std::wstring Variable(const std::wstring& name) override;
};

}  // namespace platform
