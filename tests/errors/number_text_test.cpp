// Floating-point numbers as their shortest text, as std::to_chars writes them.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "errors/number_text.h"

using errors::ShortestText;

namespace {

template <class Number>
std::wstring Standard(Number value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::wstring(buffer, result.ptr);
}

// Numbers of every kind the program writes, and their neighbours, where the shortest digits
// and the choice between plain and scientific form are easiest to get wrong. Magnitudes
// stay within 1e±90, where every C library reads decimals back exactly.
template <class Number>
std::vector<Number> Samples() {
    std::vector<Number> numbers;
    auto withNeighbours = [&](Number n) {
        numbers.push_back(n);
        numbers.push_back(std::nextafter(n, Number(0)));
        numbers.push_back(std::nextafter(n, std::numeric_limits<Number>::max()));
    };
    for (int i = 0; i <= 2000; ++i) {
        withNeighbours(static_cast<Number>(i));
        withNeighbours(static_cast<Number>(i) / 4);
        withNeighbours(static_cast<Number>(i * 0.1));
        withNeighbours(static_cast<Number>(i) * 15000);
    }
    for (int e = -120; e <= 120; ++e) withNeighbours(std::ldexp(Number(1), e));
    for (int e = -30; e <= 30; ++e) withNeighbours(static_cast<Number>(std::pow(10.0, e)));
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i)
        numbers.push_back(static_cast<Number>(mantissa(random) * std::pow(10.0, exponent(random))));
    return numbers;
}

template <class Number>
void ExpectStandardForEverySample() {
    for (Number value : Samples<Number>()) {
        ASSERT_EQ(ShortestText(value), Standard(value)) << value;
        ASSERT_EQ(ShortestText(-value), Standard(-value)) << -value;
    }
}

}  // namespace

TEST(NumberText, SameAsTheStandardShortestForm) {
    ExpectStandardForEverySample<float>();
    ExpectStandardForEverySample<double>();
}

// Beyond the samples' magnitudes, and what the standard form leaves to the library.
TEST(NumberText, ExtremesAndWhatIsNoNumber) {
    EXPECT_EQ(ShortestText(std::numeric_limits<float>::max()), L"3.4028235e+38");
    EXPECT_EQ(ShortestText(std::numeric_limits<float>::denorm_min()), L"1e-45");
    EXPECT_EQ(ShortestText(std::numeric_limits<double>::max()), L"1.7976931348623157e+308");
    EXPECT_EQ(ShortestText(std::numeric_limits<double>::denorm_min()), L"5e-324");
    EXPECT_EQ(ShortestText(-std::numeric_limits<double>::infinity()), L"-inf");
    EXPECT_EQ(ShortestText(std::numeric_limits<float>::quiet_NaN()), L"nan");
}
