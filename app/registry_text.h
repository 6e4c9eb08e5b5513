#pragma once
// Texts as the registry stores them: UTF-16 code units, little-endian, two bytes each.

#include <cstdint>
#include <string>
#include <vector>

namespace app {

std::vector<std::uint8_t> RegistryBytes(const std::wstring& text);

// A stray last byte counts as the low half of one more code unit, so that nothing of an
// oddly sized value is lost.
std::wstring RegistryText(const std::vector<std::uint8_t>& bytes);

}  // namespace app
