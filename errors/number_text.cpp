#include "errors/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace errors {

namespace {

// A finite, non-negative number's significant digits and the power of ten of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The decimal of `count` significant digits nearest to value, as printf rounds it.
Decimal Nearest(double value, int count) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*e", count - 1, value);
    const std::string_view text(buffer);
    const std::size_t e = text.find('e');
    Decimal decimal;
    for (char c : text.substr(0, e))
        if (c != '.') decimal.digits += c;
    decimal.exponent = static_cast<int>(std::strtol(buffer + e + 1, nullptr, 10));
    return decimal;
}

// The next decimal of as many significant digits above this one.
Decimal NextUp(Decimal decimal) {
    std::size_t i = decimal.digits.size();
    while (i > 0 && decimal.digits[i - 1] == '9') decimal.digits[--i] = '0';
    if (i > 0) {
        ++decimal.digits[i - 1];
    } else {
        decimal.digits.insert(decimal.digits.begin(), '1');
        decimal.digits.pop_back();
        ++decimal.exponent;
    }
    return decimal;
}

std::string ScientificForm(const Decimal& decimal) {
    std::string text(1, decimal.digits[0]);
    if (decimal.digits.size() > 1) {
        text += '.';
        text.append(decimal.digits, 1);
    }
    text += decimal.exponent < 0 ? "e-" : "e+";
    const int power = std::abs(decimal.exponent);
    if (power >= 100) text += static_cast<char>('0' + power / 100);
    text += static_cast<char>('0' + power / 10 % 10);
    return text + static_cast<char>('0' + power % 10);
}

// Read as the program reads numbers back, through a double. With a C library whose strtod
// is exact the digits are those of std::to_chars; mingw-w64's is off by one unit in the
// last place for some numbers beyond 1e100 or below 1e-100, where a text may then have one
// digit more or fewer than needed.
template <class Number>
Number Read(const std::string& text) {
    return static_cast<Number>(std::strtod(text.c_str(), nullptr));
}

// The fewest significant digits that read back as value; among several of that length the
// nearest. printf's nearest can miss where the numbers below value lie closer together than
// those above (at a power of two), and then the one above may still read back.
template <class Number>
Decimal ShortestDigits(Number value) {
    for (int count = 1;; ++count) {
        Decimal nearest = Nearest(value, count);
        const Number back = Read<Number>(ScientificForm(nearest));
        if (back == value || count == std::numeric_limits<Number>::max_digits10) return nearest;
        if (back < value) {
            Decimal above = NextUp(nearest);
            if (Read<Number>(ScientificForm(above)) == value) return above;
        }
    }
}

template <class Number>
std::wstring Text(Number value) {
    std::wstring sign = std::signbit(value) ? L"-" : L"";
    if (std::isnan(value)) return sign + L"nan";
    if (std::isinf(value)) return sign + L"inf";
    value = std::fabs(value);
    if (value == 0) return sign + L"0";

    const Decimal decimal = ShortestDigits(value);
    const int count = static_cast<int>(decimal.digits.size());
    std::string fixed;
    if (decimal.exponent >= count - 1) {
        // A whole number: the digits written out are those of the number itself, the
        // largest double having 309 of them.
        char buffer[320];
        std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(value));
        fixed = buffer;
    } else if (decimal.exponent >= 0) {
        fixed = decimal.digits;
        fixed.insert(static_cast<std::size_t>(decimal.exponent) + 1, 1, '.');
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-decimal.exponent - 1), '0') + decimal.digits;
    }
    const std::string scientific = ScientificForm(decimal);
    const std::string& shorter = scientific.size() < fixed.size() ? scientific : fixed;
    return sign + std::wstring(shorter.begin(), shorter.end());
}

}  // namespace

std::wstring ShortestText(double value) { return Text(value); }
std::wstring ShortestText(float value) { return Text(value); }

}  // namespace errors
