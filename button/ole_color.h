#pragma once
// Colours as the host passes them: 0x00BBGGRR, or 0x80000000 plus a system colour number.

#include <cstdint>

namespace button {

using OleColor = std::uint32_t;

inline constexpr OleColor kSystemWindowBackground = 0x80000005;
inline constexpr OleColor kWhite = 0xFFFFFF;
inline constexpr OleColor kLightGrey = 0xE0E0E0;
inline constexpr OleColor kGrey = 0x808080;
inline constexpr OleColor kLightBlue = 0xFFC0C0;
inline constexpr OleColor kMediumBlue = 0xFF8080;
inline constexpr OleColor kBlack = 0;

inline constexpr bool IsSystemColor(OleColor color) { return (color & 0xFF000000u) == 0x80000000u; }

}  // namespace button
