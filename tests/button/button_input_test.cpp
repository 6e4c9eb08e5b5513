// Clicks, keys and the focus look.

#include <gtest/gtest.h>

#include "button/button.h"
#include "support/button_fakes.h"

using namespace button;

namespace {

class ButtonInputTest : public ::testing::Test {
protected:
    testing_support::FakeToolkit toolkit;
    testing_support::RecordingHost host;
    cButton btn{toolkit, host};
};

TEST_F(ButtonInputTest, EnabledButtonClicksOnClicksAndEnterOnly) {
    btn.Clicked();
    btn.KeyPressed(13);
    btn.KeyPressed(L' ');
    btn.KeyPressed(L'a');
    EXPECT_EQ(host.clicks, 2);

    btn.SetButtonEnabled(false);
    btn.Clicked();
    btn.KeyPressed(13);
    EXPECT_EQ(host.clicks, 2);
}

TEST_F(ButtonInputTest, FocusLookOnlyWhileEnabled) {
    btn.FocusGained();
    EXPECT_EQ(btn.Ground().FillColor(), kLightBlue);
    EXPECT_EQ(btn.Ground().BorderColor(), kMediumBlue);
    EXPECT_EQ(btn.Ground().BorderWidth(), 2);

    btn.SetButtonBackColor(0x00FFFF);
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FFFFu) << "the new back colour replaces the focus fill";
    EXPECT_EQ(btn.Ground().BorderColor(), kMediumBlue);

    btn.SetButtonEnabled(false);
    btn.FocusLost();
    EXPECT_EQ(btn.Ground().FillColor(), kLightGrey) << "a disabled button keeps its look";
    btn.SetButtonEnabled(true);
    EXPECT_EQ(btn.Ground().BorderColor(), kMediumBlue) << "until its next enabled focus change";
    EXPECT_EQ(btn.Ground().BorderWidth(), 2);

    btn.FocusLost();
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FFFFu);
    EXPECT_EQ(btn.Ground().BorderColor(), kBlack);
    EXPECT_EQ(btn.Ground().BorderWidth(), 1);
}

}  // namespace
