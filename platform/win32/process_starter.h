#pragma once
// Starting a program through CreateProcess: no shell between the caller and the program.

#include "platform/process_starter.h"

namespace platform {

class Win32ProcessStarter final : public ProcessStarter {
public:
    // The program's window shows minimised and gets the focus.
    void Start(const std::wstring& program, const std::vector<std::wstring>& arguments) override;
    bool RestartElevated() override;
};

}  // namespace platform
