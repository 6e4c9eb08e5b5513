#pragma once
// A process starter that remembers what it was asked to start, and starts nothing.

#include <string>
#include <vector>

#include "platform/process_starter.h"

namespace testing_support {

class RecordingProcessStarter final : public platform::ProcessStarter {
public:
    struct Started {
        std::wstring program;
        std::vector<std::wstring> arguments;
    };
    std::vector<Started> started;

    void Start(const std::wstring& program, const std::vector<std::wstring>& arguments) override {
        started.push_back({program, arguments});
    }
};

}  // namespace testing_support
