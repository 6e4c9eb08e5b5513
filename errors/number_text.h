#pragma once
// Floating-point numbers as text: the shortest text that reads back as the same number, in
// the form std::to_chars gives (plain digits or scientific, whichever is shorter), without
// the tables that std::to_chars brings into a statically linked program. Works in the C
// library's "C" locale, which the program never changes.

#include <string>

namespace errors {

std::wstring ShortestText(double value);
std::wstring ShortestText(float value);

}  // namespace errors
