// Number texts as form designers write them in property bags, and what is still refused.

#include <gtest/gtest.h>

#include "button/control_error.h"
#include "button/property_value.h"

using namespace button;

TEST(PropertyTextTest, DesignerNumberTextsAreReadAndOtherTextsRefused) {
    EXPECT_EQ(static_cast<std::uint32_t>(ToInteger(std::wstring(L"&H8000000F&"))), 0x8000000Fu);
    EXPECT_EQ(ToInteger(std::wstring(L" &hff ")), 255);
    EXPECT_EQ(ToInteger(std::wstring(L"-2.00")), -2);
    EXPECT_EQ(ToInteger(std::wstring(L"1.5E+3")), 1500);
    EXPECT_EQ(ToText(NoObject{}), L"") << "an empty caption";
    for (const wchar_t* refused : {L"&H", L"&HFG", L"&H100000000", L"2.5", L"1E-1", L".", L"1E", L"2.147483648E9"}) {
        EXPECT_THROW(ToInteger(std::wstring(refused)), ControlError) << refused;
    }
}
