// Stored texts to numbers and back, in the user's number format.

#include <gtest/gtest.h>

#include "app/conversions.h"

using namespace app;

TEST(Conversions, WholeNumbersRoundHalvesToEvenAndRefuseWhatDoesNotFit) {
    EXPECT_EQ(ToInteger(L" -2 ", L'.'), -2);
    EXPECT_EQ(ToInteger(L"2.5", L'.'), 2);
    EXPECT_EQ(ToInteger(L"3,5", L','), 4);
    EXPECT_EQ(ToInteger(L"32767", L'.'), 32767);
    EXPECT_EQ(ToInteger(L"32768", L'.'), std::nullopt);
    EXPECT_EQ(ToInteger(L"1x", L'.'), std::nullopt);
    EXPECT_EQ(ToInteger(L"2.5", L','), std::nullopt) << "the other separator is not a number";
}

TEST(Conversions, PositionsRoundTripInTheUsersFormat) {
    for (wchar_t separator : {L'.', L','}) {
        for (float value : {0.0f, 5332.5f, -600.0f, 1234.25f, 100000.0f}) {
            std::wstring text = SingleText(value, separator);
            EXPECT_EQ(ToSingle(text, separator), value) << text;
        }
    }
    EXPECT_EQ(SingleText(5332.5f, L','), L"5332,5");
    EXPECT_EQ(ToSingle(L"1e99", L'.'), std::nullopt);
    EXPECT_EQ(ToSingle(L"1e-999", L'.'), std::nullopt) << "too small to be told from zero";
    EXPECT_EQ(ToSingle(L"links", L'.'), std::nullopt);
}

TEST(Conversions, BooleansFromWordsOrNumbers) {
    EXPECT_EQ(ToBoolean(L"True", L'.'), true);
    EXPECT_EQ(ToBoolean(L"FALSE", L'.'), false);
    EXPECT_EQ(ToBoolean(L"-1", L'.'), true);
    EXPECT_EQ(ToBoolean(L"Wahr", L'.'), std::nullopt);
}
