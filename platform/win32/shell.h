#pragma once
// Opening documents, addresses and mail targets through the Windows shell.

#include "platform/shell.h"

namespace platform {

class Win32Shell final : public Shell {
public:
    void Open(const std::wstring& target) override;
};

}  // namespace platform
