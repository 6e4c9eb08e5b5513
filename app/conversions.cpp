#include "app/conversions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <limits>

#include "errors/number_text.h"

namespace app {

namespace {

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) text.remove_suffix(1);
    return text;
}

// Sign, digits, an optional fraction after the user's decimal separator, an optional exponent.
std::optional<double> ToNumber(std::wstring_view text, wchar_t decimalSeparator) {
    text = Trim(text);
    std::string ascii;
    bool digits = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ascii += static_cast<char>(text[i++]);
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, digits = true) ascii += static_cast<char>(text[i]);
    if (i < text.size() && text[i] == decimalSeparator) {
        ascii += '.';
        for (++i; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, digits = true)
            ascii += static_cast<char>(text[i]);
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ascii += 'e';
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ascii += static_cast<char>(text[i++]);
        bool exponentDigits = false;
        for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, exponentDigits = true)
            ascii += static_cast<char>(text[i]);
        if (!exponentDigits) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    // What is left is plain C-locale notation; too large a number, or one too small to be
    // told from zero, is no number.
    errno = 0;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(value) || (errno == ERANGE && value == 0)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::int16_t> ToInteger(std::wstring_view text, wchar_t decimalSeparator) {
    std::optional<double> number = ToNumber(text, decimalSeparator);
    if (!number) return std::nullopt;
    const double rounded = std::nearbyint(*number);  // halves to even, as the classic conversion does
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<float> ToSingle(std::wstring_view text, wchar_t decimalSeparator) {
    std::optional<double> number = ToNumber(text, decimalSeparator);
    if (!number || std::fabs(*number) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*number);
}

std::optional<bool> ToBoolean(std::wstring_view text, wchar_t decimalSeparator) {
    std::wstring_view trimmed = Trim(text);
    auto equalsIgnoringCase = [&](std::wstring_view word) {
        if (trimmed.size() != word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (static_cast<wchar_t>(std::towlower(trimmed[i])) != word[i]) return false;
        return true;
    };
    if (equalsIgnoringCase(L"true")) return true;
    if (equalsIgnoringCase(L"false")) return false;
    std::optional<double> number = ToNumber(trimmed, decimalSeparator);
    if (!number) return std::nullopt;
    return *number != 0;
}

std::wstring SingleText(float value, wchar_t decimalSeparator) {
    std::wstring text = errors::ShortestText(value);
    for (wchar_t& c : text) {
        if (c == L'.') c = decimalSeparator;
        if (c == L'e') c = L'E';
    }
    return text;
}

std::wstring BooleanText(bool value) { return value ? L"True" : L"False"; }

}  // namespace app
