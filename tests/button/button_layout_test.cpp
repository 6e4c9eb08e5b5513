// Placing the children when the host sizes the button, with the numbers the stored
// layouts rely on.

#include <gtest/gtest.h>

#include "button/button.h"
#include "support/button_fakes.h"

using namespace button;

namespace {

class ButtonLayoutTest : public ::testing::Test {
protected:
    testing_support::FakeToolkit toolkit;
    testing_support::RecordingHost host;
    cButton btn{toolkit, host};
};

TEST_F(ButtonLayoutTest, StretchedPictureOnTheLeftSettlesOnTheSecondPass) {
    host.changed.clear();
    btn.Resize(2085, 765);
    EXPECT_EQ(btn.PictureArea().Width(), 665);
    EXPECT_EQ(btn.PictureArea().Height(), 665);
    EXPECT_EQ(btn.PictureArea().Left(), 120);
    EXPECT_EQ(btn.PictureArea().Top(), 50);
    EXPECT_EQ(btn.Caption().Left(), 835);
    EXPECT_EQ(btn.Caption().Top(), 232.5f);
    EXPECT_EQ(btn.Caption().Width(), 2085 - 665) << "against the left of the previous placement";
    btn.Resize(2085, 765);
    EXPECT_EQ(btn.Caption().Width(), 1250);
    EXPECT_TRUE(host.changed.empty()) << "layout changes no property";
}

TEST_F(ButtonLayoutTest, PictureAtNaturalSizeIsConvertedFromHimetric) {
    btn.SetButtonPictureStretch(false);
    btn.Resize(2085, 765);
    EXPECT_EQ(btn.PictureArea().Width(), 495) << "without a picture the box keeps its size";
    EXPECT_EQ(btn.Caption().Left(), 665);

    btn.SetButtonPicture(std::make_shared<testing_support::FakePicture>(HimetricSize{847, 847}));
    btn.Resize(2085, 765);
    const float side = 847.0f * 1440.0f / 2540.0f;
    EXPECT_EQ(btn.PictureArea().Width(), side);
    EXPECT_EQ(btn.PictureArea().Height(), side);
    EXPECT_EQ(btn.PictureArea().Top(), (765.0f - side) / 2);
}

TEST_F(ButtonLayoutTest, PictureOnTheRightLetsTheCaptionRunUnderIt) {
    btn.SetButtonPictureAlign(Rechts);
    btn.Resize(2055, 565);
    btn.Resize(2055, 565);
    EXPECT_EQ(btn.PictureArea().Width(), 465);
    EXPECT_EQ(btn.PictureArea().Left(), 1540);
    EXPECT_EQ(btn.Caption().Left(), 120);
    EXPECT_EQ(btn.Caption().Width(), 2055 - 120);
}

TEST_F(ButtonLayoutTest, FailingStepsAreSkippedAndTheRestRuns) {
    btn.Resize(2085, 765);
    btn.Resize(1000, 60);  // below the picture allowance: the box keeps its height
    EXPECT_EQ(btn.PictureArea().Height(), 665);
    EXPECT_EQ(btn.PictureArea().Width(), 665);
    EXPECT_EQ(btn.PictureArea().Top(), (60.0f - 665) / 2);
    EXPECT_EQ(btn.Caption().Top(), -120) << "the caption reaches above a low control";

    btn.SetButtonPictureAlign(2);
    const float captionLeft = btn.Caption().Left();
    btn.Resize(3000, 900);
    EXPECT_EQ(btn.Ground().Width(), 3000);
    EXPECT_EQ(btn.Caption().Left(), captionLeft) << "an unknown side places nothing";
}

}  // namespace
