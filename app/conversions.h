#pragma once
// The conversions between stored setting texts and numbers, in the user's number format.
// A text that is not a number of the wanted kind gives nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {

std::optional<std::int16_t> ToInteger(std::wstring_view text, wchar_t decimalSeparator);
std::optional<float> ToSingle(std::wstring_view text, wchar_t decimalSeparator);
// "True" and "False" in any letter case, or a number: 0 is false, any other true.
std::optional<bool> ToBoolean(std::wstring_view text, wchar_t decimalSeparator);

std::wstring SingleText(float value, wchar_t decimalSeparator);
std::wstring BooleanText(bool value);

}  // namespace app
