#pragma once
// A command line that the started program's own parsing splits back into exactly the
// arguments given, by the rules of CommandLineToArgvW and the C run-time.

#include <string>
#include <vector>

namespace platform {

std::wstring CommandLine(const std::wstring& program, const std::vector<std::wstring>& arguments);

}  // namespace platform
