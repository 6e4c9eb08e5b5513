#include "button/property_value.h"

#include <algorithm>
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

int DigitValue(wchar_t c, int base) {
    int value = -1;
    if (c >= L'0' && c <= L'9') value = c - L'0';
    if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
    if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
    return value < base ? value : -1;
}

// Form designers write colours as hexadecimal with the Long suffix ("&H8000000F&"): the
// digits are the colour's 32 bits, so values from 0x80000000 up come back negative.
std::int32_t ParseHexadecimal(std::wstring digits) {
    if (!digits.empty() && digits.back() == L'&') digits.pop_back();
    if (digits.empty()) throw ControlError(kTypeMismatch);
    std::uint64_t bits = 0;
    for (const wchar_t c : digits) {
        const int digit = DigitValue(c, 16);
        if (digit < 0) throw ControlError(kTypeMismatch);
        bits = bits * 16 + static_cast<std::uint64_t>(digit);
        if (bits > std::numeric_limits<std::uint32_t>::max()) throw ControlError(kOverflow);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
}

// Decimal numbers, also in floating form ("2.0", "1.5E+3") as long as they are whole;
// anything else is a mismatch.
std::int32_t ParseDecimal(const std::wstring& text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == L'-';
    if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) ++i;
    std::wstring digits;
    const auto takeDigits = [&](std::wstring& into) {
        const std::size_t start = i;
        while (i < text.size() && DigitValue(text[i], 10) >= 0) into += text[i++];
        return i - start;
    };
    const std::size_t whole = takeDigits(digits);
    std::size_t fraction = 0;
    if (i < text.size() && text[i] == L'.') {
        ++i;
        fraction = takeDigits(digits);
    }
    if (whole + fraction == 0) throw ControlError(kTypeMismatch);
    std::int64_t exponent = -static_cast<std::int64_t>(fraction);
    if (i < text.size() && (text[i] == L'E' || text[i] == L'e')) {
        ++i;
        const bool down = i < text.size() && text[i] == L'-';
        if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) ++i;
        std::wstring power;
        if (takeDigits(power) == 0) throw ControlError(kTypeMismatch);
        std::int64_t places = 0;
        for (const wchar_t c : power) places = std::min<std::int64_t>(places * 10 + (c - L'0'), 1000);
        exponent += down ? -places : places;
    }
    if (i != text.size()) throw ControlError(kTypeMismatch);
    // The digits behind the decimal point must all be zeros.
    for (; exponent < 0 && !digits.empty(); ++exponent, digits.pop_back()) {
        if (digits.back() != L'0') throw ControlError(kTypeMismatch);
    }
    std::int64_t magnitude = 0;
    const auto append = [&](int digit) {
        magnitude = magnitude * 10 + digit;
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) throw ControlError(kOverflow);
    };
    for (const wchar_t c : digits) append(c - L'0');
    for (; exponent > 0 && magnitude != 0; --exponent) append(0);
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) throw ControlError(kOverflow);
    return static_cast<std::int32_t>(value);
}

std::int32_t ParseInteger(const std::wstring& text) {
    const std::wstring number = Trimmed(text);
    if (number.size() > 2 && number[0] == L'&' && (number[1] == L'H' || number[1] == L'h')) {
        return ParseHexadecimal(number.substr(2));
    }
    return ParseDecimal(number);
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
    if (std::holds_alternative<NoObject>(value)) return {};  // an empty text in a designer's bag
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
