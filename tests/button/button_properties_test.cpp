// The button's properties: what a new button holds, what each setter does to the children
// and tells the host, and how a failing step ends a setter.

#include <gtest/gtest.h>

#include "button/button.h"
#include "button/control_error.h"
#include "support/button_fakes.h"

using namespace button;
using testing_support::FakeFont;

namespace {

class ButtonPropertiesTest : public ::testing::Test {
protected:
    testing_support::FakeToolkit toolkit;
    testing_support::RecordingHost host;
    cButton btn{toolkit, host};

    FakeFont& CaptionFont() { return static_cast<FakeFont&>(*btn.Caption().Font()); }
};

TEST_F(ButtonPropertiesTest, NewButtonHoldsTheInitialValues) {
    EXPECT_EQ(btn.ButtonCaption(), L"cButton");
    EXPECT_EQ(btn.ButtonBackColor(), 0x80000005u);
    EXPECT_EQ(btn.ButtonForm(), 4);
    EXPECT_EQ(btn.ButtonPictureAlign(), Links);
    EXPECT_TRUE(btn.ButtonPictureStretch());
    EXPECT_TRUE(btn.ButtonEnabled());
    EXPECT_EQ(btn.ButtonFontColor(), 0u);
    EXPECT_EQ(btn.ButtonFont()->Size(), 12);
    EXPECT_EQ(btn.ButtonPicture(), nullptr);

    EXPECT_EQ(btn.Ground().Outline(), kRoundedRectangle);
    EXPECT_EQ(btn.Ground().FillColor(), 0x80000005u);
    EXPECT_TRUE(btn.Ground().BorderDrawn());
    EXPECT_EQ(btn.Caption().ForeColor(), 0u);
    EXPECT_EQ(CaptionFont().name, L"System") << "the template's name replaces the design font's";
    EXPECT_EQ(CaptionFont().size, 12);
    EXPECT_NE(btn.ButtonFont(), btn.Caption().Font()) << "the template is not the caption's own font";
}

TEST_F(ButtonPropertiesTest, SettersUpdateTheChildrenAndThenNotify) {
    host.changed.clear();
    btn.SetButtonCaption(L"&Apply");
    btn.SetButtonFontColor(0x0000FF);
    btn.SetButtonForm(1);
    btn.SetButtonPictureStretch(false);
    auto picture = std::make_shared<testing_support::FakePicture>(HimetricSize{100, 100});
    btn.SetButtonPicture(picture);

    EXPECT_EQ(btn.Caption().Caption(), L"&Apply");
    EXPECT_EQ(btn.Caption().Width(), 600) << "the label fits itself to its new text";
    EXPECT_EQ(btn.Caption().ForeColor(), 0x0000FFu);
    EXPECT_EQ(btn.Ground().Outline(), kSquare) << "values outside BtnForms go to the shape unchanged";
    EXPECT_FALSE(btn.PictureArea().Stretch());
    EXPECT_EQ(btn.PictureArea().Picture(), picture);
    EXPECT_EQ(host.changed, (std::vector<std::wstring>{L"ButtonCaption", L"ButtonFontColor", L"ButtonForm",
                                                      L"ButtonPictureStretch", L"ButtonPicture"}));
}

TEST_F(ButtonPropertiesTest, EnabledSwitchesTheLookAndBackColorAlwaysPaints) {
    btn.SetButtonFontColor(0x123456);
    btn.SetButtonEnabled(false);
    EXPECT_EQ(btn.Ground().FillColor(), kLightGrey);
    EXPECT_EQ(btn.Caption().ForeColor(), kGrey);
    EXPECT_FALSE(btn.Ground().BorderDrawn());

    btn.SetButtonBackColor(0x00FF00);
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FF00u) << "paints at once although disabled";
    EXPECT_FALSE(btn.ButtonEnabled());
    btn.SetButtonEnabled(false);
    EXPECT_EQ(btn.Ground().FillColor(), kLightGrey);

    btn.SetButtonEnabled(true);
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FF00u);
    EXPECT_EQ(btn.Caption().ForeColor(), 0x123456u);
    EXPECT_TRUE(btn.Ground().BorderDrawn());
}

TEST_F(ButtonPropertiesTest, RefusedFormKeepsTheValueButNeitherPaintsNorNotifies) {
    host.changed.clear();
    for (std::int32_t refused : {6, -1, 70000}) {
        EXPECT_THROW(btn.SetButtonForm(refused), ControlError);
        EXPECT_EQ(btn.ButtonForm(), refused);
        EXPECT_EQ(btn.Ground().Outline(), kRoundedRectangle);
    }
    EXPECT_TRUE(host.changed.empty());
}

TEST_F(ButtonPropertiesTest, FontSetterCopiesTheTemplateOnceAndSkipsRefusedAttributes) {
    auto chosen = std::make_shared<FakeFont>();
    chosen->name = L"Arial";
    chosen->size = 9.75;
    chosen->bold = true;
    chosen->italic = true;
    chosen->underline = true;
    chosen->weight = 700;
    CaptionFont().refusing = {L"Size", L"Italic"};
    host.changed.clear();

    btn.SetButtonFont(chosen);
    EXPECT_EQ(CaptionFont().name, L"Arial");
    EXPECT_EQ(CaptionFont().size, 12) << "refused, and skipped";
    EXPECT_TRUE(CaptionFont().bold);
    EXPECT_FALSE(CaptionFont().italic);
    EXPECT_TRUE(CaptionFont().underline);
    EXPECT_EQ(CaptionFont().weight, 700);
    EXPECT_EQ(host.changed, std::vector<std::wstring>{L"ButtonFont"});

    chosen->name = L"Courier";
    EXPECT_EQ(CaptionFont().name, L"Arial") << "later changes to the template do not show";
    EXPECT_EQ(btn.ButtonFont(), chosen);
}

TEST_F(ButtonPropertiesTest, FontSetToNoneUsesANewStandardFont) {
    btn.SetButtonFont(std::make_shared<FakeFont>());
    CaptionFont().name = L"Arial";
    btn.SetButtonFont(nullptr);
    ASSERT_NE(btn.ButtonFont(), nullptr);
    EXPECT_EQ(btn.ButtonFont(), toolkit.created.back());
    EXPECT_EQ(CaptionFont().name, L"System");
    EXPECT_EQ(CaptionFont().size, 8);
}

TEST_F(ButtonPropertiesTest, PictureAlignPlacesOnlyHorizontally) {
    const float top = btn.PictureArea().Top();
    btn.SetButtonPictureAlign(Rechts);
    EXPECT_EQ(btn.Caption().Left(), 120);
    EXPECT_EQ(btn.PictureArea().Left(), 2085 - 495 - 50) << "against the control's design width";
    EXPECT_EQ(btn.PictureArea().Top(), top);
}

TEST_F(ButtonPropertiesTest, NewInstanceDefaultsApplyEveryFieldAgain) {
    btn.SetButtonEnabled(false);
    host.changed.clear();
    btn.ApplyNewInstanceDefaults();
    EXPECT_EQ(host.changed,
              (std::vector<std::wstring>{L"ButtonPictureAlign", L"ButtonBackColor", L"ButtonCaption", L"ButtonForm",
                                         L"ButtonPicture", L"ButtonFont", L"ButtonFontColor", L"ButtonEnabled"}));
    EXPECT_EQ(btn.Ground().FillColor(), kLightGrey);
}

}  // namespace
