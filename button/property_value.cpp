#include "button/property_value.h"

#include <cwctype>
#include <limits>

#include "button/control_error.h"

namespace button {
namespace {

bool EqualsIgnoringCase(const std::wstring& a, const wchar_t* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != L'\0'; ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    }
    return i == a.size() && b[i] == L'\0';
}

std::wstring Trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// Whole decimal numbers only, as the stores write them; anything else is a mismatch.
std::int32_t ParseInteger(const std::wstring& text) {
    const std::wstring digits = Trimmed(text);
    std::size_t i = 0;
    const bool negative = !digits.empty() && digits[0] == L'-';
    if (!digits.empty() && (digits[0] == L'-' || digits[0] == L'+')) ++i;
    if (i == digits.size()) throw ControlError(kTypeMismatch);
    std::int64_t magnitude = 0;
    for (; i < digits.size(); ++i) {
        if (digits[i] < L'0' || digits[i] > L'9') throw ControlError(kTypeMismatch);
        magnitude = magnitude * 10 + (digits[i] - L'0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) throw ControlError(kOverflow);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) throw ControlError(kOverflow);
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t ToInteger(const PropertyValue& value) {
    if (auto number = std::get_if<std::int32_t>(&value)) return *number;
    if (auto flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
    if (auto text = std::get_if<std::wstring>(&value)) return ParseInteger(*text);
    throw ControlError(kTypeMismatch);
}

bool ToBoolean(const PropertyValue& value) {
    if (auto flag = std::get_if<bool>(&value)) return *flag;
    if (auto number = std::get_if<std::int32_t>(&value)) return *number != 0;
    if (auto text = std::get_if<std::wstring>(&value)) {
        if (EqualsIgnoringCase(Trimmed(*text), L"True")) return true;
        if (EqualsIgnoringCase(Trimmed(*text), L"False")) return false;
        return ParseInteger(*text) != 0;
    }
    throw ControlError(kTypeMismatch);
}

std::wstring ToText(const PropertyValue& value) {
    if (auto text = std::get_if<std::wstring>(&value)) return *text;
    if (auto number = std::get_if<std::int32_t>(&value)) return std::to_wstring(*number);
    if (auto flag = std::get_if<bool>(&value)) return *flag ? L"True" : L"False";
    throw ControlError(kTypeMismatch);
}

FontRef ToFont(const PropertyValue& value) {
    if (auto font = std::get_if<FontRef>(&value)) return *font;
    if (std::holds_alternative<NoObject>(value)) return nullptr;
    throw ControlError(kTypeMismatch);
}

PictureRef ToPicture(const PropertyValue& value) {
    if (auto picture = std::get_if<PictureRef>(&value)) return *picture;
    if (std::holds_alternative<NoObject>(value)) return nullptr;
    throw ControlError(kTypeMismatch);
}

bool SameValue(const PropertyValue& a, const PropertyValue& b) { return a == b; }

}  // namespace button
