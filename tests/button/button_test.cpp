// The button's properties and input: what a new button holds, what each setter does to the
// children and tells the host, how a failing step ends a setter, and the click and focus rules.

#include <gtest/gtest.h>

#include "button/button.h"
#include "button/control_error.h"
#include "button/property_map.h"
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

TEST_F(ButtonPropertiesTest, NewButtonDiffersFromTheSaveDefaultsOnlyInFormBackColorAndFont) {
    PropertyMap store;
    btn.SaveTo(store);
    std::vector<std::wstring> names;
    for (const auto& entry : store.entries()) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"ButtonForm", L"ButtonBackColor", L"ButtonFont"}));
    EXPECT_EQ(ToInteger(*store.Read(L"ButtonForm")), 4);
    EXPECT_EQ(static_cast<OleColor>(ToInteger(*store.Read(L"ButtonBackColor"))), 0x80000005u);
    EXPECT_EQ(ToFont(*store.Read(L"ButtonFont")), btn.ButtonFont()) << "the template itself, not the caption's font";
    EXPECT_EQ(btn.ButtonFont()->Size(), 12);
    EXPECT_EQ(CaptionFont().name, L"System") << "the template's name replaces the design font's";
    EXPECT_EQ(CaptionFont().size, 12);
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
    chosen->bold = chosen->italic = chosen->underline = true;
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

    CaptionFont().refusing.clear();
    btn.SetButtonFont(nullptr);
    EXPECT_EQ(btn.ButtonFont(), toolkit.created.back()) << "none is a new standard font";
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

TEST_F(ButtonPropertiesTest, EnabledButtonClicksOnClicksAndEnterOnly) {
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

TEST_F(ButtonPropertiesTest, FocusAndDisabledLooksAndBackColorAlwaysPaints) {
    btn.SetButtonFontColor(0x123456);
    btn.FocusGained();
    EXPECT_EQ(btn.Ground().FillColor(), kLightBlue);
    EXPECT_EQ(btn.Ground().BorderColor(), kMediumBlue);
    EXPECT_EQ(btn.Ground().BorderWidth(), 2);
    btn.SetButtonBackColor(0x00FFFF);
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FFFFu) << "the new back colour replaces the focus fill";

    btn.SetButtonEnabled(false);
    EXPECT_EQ(btn.Ground().FillColor(), kLightGrey);
    EXPECT_EQ(btn.Caption().ForeColor(), kGrey);
    EXPECT_FALSE(btn.Ground().BorderDrawn());
    btn.FocusLost();
    EXPECT_EQ(btn.Ground().FillColor(), kLightGrey) << "a disabled button keeps its look";
    btn.SetButtonBackColor(0x00FF00);
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FF00u) << "paints at once although disabled";
    btn.SetButtonEnabled(false);
    EXPECT_EQ(btn.Ground().FillColor(), kLightGrey);

    btn.SetButtonEnabled(true);
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FF00u);
    EXPECT_EQ(btn.Caption().ForeColor(), 0x123456u);
    EXPECT_TRUE(btn.Ground().BorderDrawn());
    EXPECT_EQ(btn.Ground().BorderColor(), kMediumBlue) << "the focus border stays until the next enabled focus change";
    btn.FocusLost();
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FF00u);
    EXPECT_EQ(btn.Ground().BorderColor(), kBlack);
    EXPECT_EQ(btn.Ground().BorderWidth(), 1);
}

}  // namespace
