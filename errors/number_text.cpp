#include "errors/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace errors {

namespace {

// Read as the program reads numbers back, through a double. With a C library whose strtod
// is exact the digits are those of std::to_chars; mingw-w64's is off by one unit in the
// last place for some numbers beyond 1e100 or below 1e-100, where a text may then have one
// digit more or fewer than needed.
template <class Number>
bool ReadsBackAs(const std::string& text, Number value) {
    return static_cast<Number>(std::strtod(text.c_str(), nullptr)) == value;
}

// The fewest significant digits that read back as value, as "%e" writes them. Of those of
// one length printf's nearest comes first; at a power of two, where the numbers below lie
// closer together than those above, the one a unit above may read back where it does not.
template <class Number>
std::string ShortestScientific(Number value) {
    for (int count = 1;; ++count) {
        char printed[48];
        std::snprintf(printed, sizeof printed, "%.*e", count - 1, static_cast<double>(value));
        std::string nearest = printed, above = printed;
        if (ReadsBackAs(nearest, value) || count == std::numeric_limits<Number>::max_digits10) return nearest;
        for (std::size_t i = above.find('e'); i-- > 0;) {
            if (above[i] == '.') continue;
            if (above[i] != '9') {
                ++above[i];
                break;
            }
            above[i] = '0';  // a carry into 10 would be a single digit, found already
        }
        if (ReadsBackAs(above, value)) return above;
    }
}

template <class Number>
std::wstring Text(Number value) {
    const std::wstring sign = std::signbit(value) ? L"-" : L"";
    if (std::isnan(value)) return sign + L"nan";
    if (std::isinf(value)) return sign + L"inf";
    value = std::fabs(value);
    if (value == 0) return sign + L"0";

    const std::string printed = ShortestScientific(value);
    const std::size_t e = printed.find('e');
    const int exponent = std::atoi(printed.c_str() + e + 1), power = std::abs(exponent);
    std::string digits = printed.substr(0, e);
    if (digits.size() > 1) digits.erase(1, 1);  // the point
    const int count = static_cast<int>(digits.size());
    const std::string scientific = digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : "") +
                                   (exponent < 0 ? "e-" : "e+") + (power < 10 ? "0" : "") + std::to_string(power);
    std::string fixed;
    if (exponent >= count - 1) {
        // A whole number: the digits written out are those of the number itself, the
        // largest double having 309 of them.
        char whole[320];
        std::snprintf(whole, sizeof whole, "%.0f", static_cast<double>(value));
        fixed = whole;
    } else if (exponent >= 0) {
        fixed = digits.insert(static_cast<std::size_t>(exponent) + 1, 1, '.');
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const std::string& shorter = scientific.size() < fixed.size() ? scientific : fixed;
    return sign + std::wstring(shorter.begin(), shorter.end());
}

}  // namespace

std::wstring ShortestText(double value) { return Text(value); }
std::wstring ShortestText(float value) { return Text(value); }

}  // namespace errors
