// How values, numbers and XML are laid out in the report. Method names, the template's
// tokens and whole reports are checked by the error trace's tests.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "errors/number_text.h"
#include "errors/report_text.h"

using namespace errors;
using namespace errors::report;

namespace {

TEST(ValueToText, EachKindOfValue) {
    EXPECT_EQ(ValueToText(Value()), L"");
    EXPECT_EQ(ValueToText(Value::Empty{}), L"{Empty}");
    EXPECT_EQ(ValueToText(Value::Null{}), L"{Null}");
    EXPECT_EQ(ValueToText(std::int16_t{-1}), L"-1");
    EXPECT_EQ(ValueToText(1.5), L"1.5");
    EXPECT_EQ(ValueToText(true), L"True");
    EXPECT_EQ(ValueToText(L"it's"), L"'it's'") << "inner quotes are not doubled";
    EXPECT_EQ(ValueToText(Value::Object{}), L"{Nothing}");
    EXPECT_EQ(ValueToText(Args(1, 2)), L"{Array}");
}

TEST(FormatArgValues, InlineAndLongValues) {
    const std::wstring path38(36, L'p');  // 38 characters with its quotes
    FormattedArgs inlined = FormatArgValues(L"strPath", Value(path38));
    EXPECT_EQ(inlined.items, L"strPath='" + path38 + L"'");
    EXPECT_EQ(inlined.longValues, L"");

    const std::wstring path39(37, L'p');
    FormattedArgs fortyOne = FormatArgValues(L"strPath", Value(path39 + L"pp"));
    EXPECT_EQ(fortyOne.items, L"strPath={Text}");
    EXPECT_EQ(fortyOne.longValues, L"    Value Of strPath:\r\n      '" + path39 + L"pp'");

    FormattedArgs withBreak = FormatArgValues(L"a,b", Args(L"x\r\ny", L"z"));
    EXPECT_EQ(withBreak.items, L"a={Text}, b='z'");
    EXPECT_EQ(withBreak.longValues, L"    Value Of a:\r\n      'x\r\n      y'");
}

TEST(FormatArgValues, NamesAndValuesOfDifferentCounts) {
    EXPECT_EQ(FormatArgValues(L"a", Args(1, 2, L"x")).items, L"a=1, 2, 'x'");
    EXPECT_EQ(FormatArgValues(L"", Value(std::int16_t{3})).items, L"3");
    EXPECT_EQ(FormatArgValues(L"a,b,c", Value(true)).items, L"a=True");
    EXPECT_EQ(FormatArgValues(L"Cancel", Value()).items, L"Cancel=") << "an absent value is one empty element";
}

TEST(FormatArgValues, XmlArgumentsAreLaidOutOneTagPerLine) {
    const std::wstring xml = L"<root><a x=\"1\"/><b>some longer text</b></root>";
    FormattedArgs args = FormatArgValues(L"xmlDoc", Value(xml));
    EXPECT_EQ(args.items, L"xmlDoc={Text}");
    EXPECT_EQ(args.longValues, L"    Value Of xmlDoc:\r\n"
                               L"      <root>\r\n"
                               L"        <a x=\"1\"/>\r\n"
                               L"        <b>some longer text\r\n"
                               L"        </b>\r\n"
                               L"      </root>");

    // Only names that begin with lower-case "xml" are laid out.
    EXPECT_EQ(FormatArgValues(L"XmlDoc", Value(xml)).longValues, L"    Value Of XmlDoc:\r\n      '" + xml + L"'");
}

TEST(IndentXml, NestingSelfClosingAndUnbalancedTags) {
    EXPECT_EQ(IndentXml(L"'<a><b><c/></b></a>'"), L"<a>\r\n  <b>\r\n    <c/>\r\n  </b>\r\n</a>");
    EXPECT_EQ(IndentXml(L"'lead<a>x</a>'"), L"lead<a>x\r\n</a>");
    EXPECT_EQ(IndentXml(L"'<a></a></b><c>'"), L"<a></a></b><c>") << "more closing than opening tags";
    EXPECT_EQ(IndentXml(L"''"), L"");
}

// Call stack padding is checked in whole reports by the error trace's tests.
TEST(ReportHelpers, SignedNumbersAndTimeWithTheSystemSeparatorsAndTwoDigitFields) {
    EXPECT_EQ(SignedNumberText(0), L"+ 0");
    EXPECT_EQ(SignedNumberText(-5198), L"- 5198");
    EXPECT_EQ(FormatTime({2005, 3, 7, 9, 5, 1}, L".", L":"), L"03.07.05 09:05:01");
    EXPECT_EQ(FormatTime({2026, 12, 31, 23, 59, 59}, L"/", L"-"), L"12/31/26 23-59-59");
}

// Floating-point numbers as their shortest text, as std::to_chars writes them.
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

TEST(NumberText, SameAsTheStandardShortestForm) {
    ExpectStandardForEverySample<float>();
    ExpectStandardForEverySample<double>();
}

// Beyond the samples' magnitudes, and what the standard form leaves to the library.
TEST(NumberText, ExtremesAndWhatIsNoNumber) {
    EXPECT_EQ(ShortestText(std::numeric_limits<double>::max()), L"1.7976931348623157e+308");
    EXPECT_EQ(ShortestText(std::numeric_limits<double>::denorm_min()), L"5e-324");
    EXPECT_EQ(ShortestText(-std::numeric_limits<double>::infinity()), L"-inf");
    EXPECT_EQ(ShortestText(std::numeric_limits<float>::quiet_NaN()), L"nan");
}

}  // namespace
