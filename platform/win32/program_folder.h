#pragma once
// Where the running program's file lies.

#include <string>

namespace platform {

std::wstring ProgramPath();    // the program file's full path; empty when unknown
std::wstring ProgramFolder();  // its folder, ending in a backslash

}  // namespace platform
