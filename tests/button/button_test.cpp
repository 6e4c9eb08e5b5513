// The button's portable core: what a new button holds, what each setter does to the children
// and tells the host, where the children go when the host sizes the button (with the numbers
// the stored layouts rely on), the click and focus rules, and saving and restoring through the
// host's property store.

#include <gtest/gtest.h>

#include "button/button.h"
#include "button/control_error.h"
#include "button/property_map.h"
#include "button/property_value.h"
#include "support/button_fakes.h"

using namespace button;
using testing_support::FakeFont;

namespace {

class ButtonTest : public ::testing::Test {
protected:
    testing_support::FakeToolkit toolkit;
    testing_support::RecordingHost host;
    cButton btn{toolkit, host};
    PropertyMap store;

    // Forgets the constructor's notifications: the tests look at what later calls tell the host.
    void SetUp() override { host.changed.clear(); }
    FakeFont& CaptionFont() { return static_cast<FakeFont&>(*btn.Caption().Font()); }
};

TEST_F(ButtonTest, NewButtonDiffersFromTheSaveDefaultsOnlyInFormBackColorAndFont) {
    btn.SaveTo(store);
    std::vector<std::wstring> names;
    for (const auto& entry : store.entries()) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"ButtonForm", L"ButtonBackColor", L"ButtonFont"}));
    EXPECT_EQ(ToInteger(*store.Read(L"ButtonForm")), 4);
    EXPECT_EQ(static_cast<OleColor>(ToInteger(*store.Read(L"ButtonBackColor"))), 0x80000005u);
    EXPECT_EQ(ToFont(*store.Read(L"ButtonFont")), btn.ButtonFont()) << "the template itself, not the caption's font";
    EXPECT_EQ(CaptionFont().name, L"System") << "the template's name replaces the design font's";
    EXPECT_EQ(CaptionFont().size, 12);
}

TEST_F(ButtonTest, RefusedFormKeepsTheValueButNeitherPaintsNorNotifies) {
    for (std::int32_t refused : {6, -1, 70000}) {
        EXPECT_THROW(btn.SetButtonForm(refused), ControlError);
        EXPECT_EQ(btn.ButtonForm(), refused);
        EXPECT_EQ(btn.Ground().Outline(), kRoundedRectangle);
    }
    EXPECT_TRUE(host.changed.empty());
}

TEST_F(ButtonTest, FontSetterCopiesTheTemplateOnceAndSkipsRefusedAttributes) {
    auto chosen = std::make_shared<FakeFont>();
    chosen->name = L"Arial";
    chosen->size = 9.75;
    chosen->bold = chosen->italic = chosen->underline = true;
    chosen->weight = 700;
    CaptionFont().refusing = {L"Size", L"Italic"};

    btn.SetButtonFont(chosen);
    EXPECT_EQ(CaptionFont().name, L"Arial");
    EXPECT_EQ(CaptionFont().size, 12) << "refused, and skipped";
    EXPECT_TRUE(CaptionFont().bold);
    EXPECT_FALSE(CaptionFont().italic);
    EXPECT_EQ(CaptionFont().weight, 700);
    EXPECT_EQ(host.changed, std::vector<std::wstring>{L"ButtonFont"});

    chosen->name = L"Courier";
    EXPECT_EQ(CaptionFont().name, L"Arial") << "later changes to the template do not show";

    CaptionFont().refusing.clear();
    btn.SetButtonFont(nullptr);
    EXPECT_EQ(btn.ButtonFont(), toolkit.created.back()) << "none is a new standard font";
    EXPECT_EQ(CaptionFont().name, L"System");
    EXPECT_EQ(CaptionFont().size, 8);
}

TEST_F(ButtonTest, EnabledButtonClicksOnClicksAndEnterOnly) {
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

TEST_F(ButtonTest, FocusAndDisabledLooksAndBackColorAlwaysPaints) {
    btn.SetButtonFontColor(0x123456);
    btn.FocusGained();
    EXPECT_EQ(btn.Ground().FillColor(), kLightBlue);
    btn.SetButtonBackColor(0x00FFFF);
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FFFFu) << "the new back colour replaces the focus fill";

    btn.SetButtonEnabled(false);
    EXPECT_EQ(btn.Caption().ForeColor(), kGrey);
    btn.FocusLost();
    EXPECT_EQ(btn.Ground().FillColor(), kLightGrey) << "a disabled button keeps its look";
    btn.SetButtonBackColor(0x00FF00);
    EXPECT_EQ(btn.Ground().FillColor(), 0x00FF00u) << "paints at once although disabled";

    btn.SetButtonEnabled(true);
    EXPECT_EQ(btn.Caption().ForeColor(), 0x123456u);
    EXPECT_EQ(btn.Ground().BorderColor(), kMediumBlue) << "the focus border stays until the next enabled focus change";
    btn.FocusLost();
    EXPECT_EQ(btn.Ground().BorderColor(), kBlack);
    EXPECT_EQ(btn.Ground().BorderWidth(), 1);
}

TEST_F(ButtonTest, StretchedPictureOnTheLeftSettlesOnTheSecondPass) {
    btn.Resize(2085, 765);
    EXPECT_EQ(btn.PictureArea().Width(), 665);
    EXPECT_EQ(btn.PictureArea().Left(), 120);
    EXPECT_EQ(btn.Caption().Left(), 835);
    EXPECT_EQ(btn.Caption().Width(), 2085 - 665) << "against the left of the previous placement";
    btn.Resize(2085, 765);
    EXPECT_EQ(btn.Caption().Width(), 1250);
    EXPECT_TRUE(host.changed.empty()) << "layout changes no property";
}

TEST_F(ButtonTest, PictureAtNaturalSizeIsConvertedFromHimetric) {
    btn.SetButtonPictureStretch(false);
    btn.Resize(2085, 765);
    EXPECT_EQ(btn.PictureArea().Width(), 495) << "without a picture the box keeps its size";
    EXPECT_EQ(btn.Caption().Left(), 665);

    btn.SetButtonPicture(std::make_shared<testing_support::FakePicture>(HimetricSize{847, 847}));
    btn.Resize(2085, 765);
    const float side = 847.0f * 1440.0f / 2540.0f;
    EXPECT_EQ(btn.PictureArea().Width(), side);
    EXPECT_EQ(btn.PictureArea().Top(), (765.0f - side) / 2);
}

TEST_F(ButtonTest, PictureOnTheRightLetsTheCaptionRunUnderIt) {
    const float top = btn.PictureArea().Top();
    btn.SetButtonPictureAlign(Rechts);
    EXPECT_EQ(btn.PictureArea().Left(), 2085 - 495 - 50) << "at once, against the control's design width";
    EXPECT_EQ(btn.PictureArea().Top(), top) << "only horizontally";

    btn.Resize(2055, 565);
    btn.Resize(2055, 565);
    EXPECT_EQ(btn.PictureArea().Left(), 1540);
    EXPECT_EQ(btn.Caption().Left(), 120);
    EXPECT_EQ(btn.Caption().Width(), 2055 - 120);
}

TEST_F(ButtonTest, FailingStepsAreSkippedAndTheRestRuns) {
    btn.Resize(2085, 765);
    btn.Resize(1000, 60);  // below the picture allowance: the box keeps its height
    EXPECT_EQ(btn.PictureArea().Height(), 665);
    EXPECT_EQ(btn.Caption().Top(), -120) << "the caption reaches above a low control";

    btn.SetButtonPictureAlign(2);
    const float captionLeft = btn.Caption().Left();
    btn.Resize(3000, 900);
    EXPECT_EQ(btn.Ground().Width(), 3000);
    EXPECT_EQ(btn.Caption().Left(), captionLeft) << "an unknown side places nothing";
}

TEST_F(ButtonTest, EmptyStoreRestoresTheSaveDefaultsAndTiesTheFontToTheCaption) {
    btn.RestoreFrom(store);
    btn.SaveTo(store);
    EXPECT_TRUE(store.entries().empty()) << "every value restored is the one saving omits";
    EXPECT_EQ(btn.ButtonForm(), Rechteck);
    EXPECT_EQ(btn.ButtonBackColor(), kWhite);

    EXPECT_EQ(btn.ButtonFont(), btn.Caption().Font()) << "the default handed over is the caption's own font";
    static_cast<FakeFont&>(*btn.ButtonFont()).bold = true;
    EXPECT_TRUE(btn.Caption().Font()->Bold()) << "so changes to it show at once";
}

TEST_F(ButtonTest, RoundTripKeepsEveryProperty) {
    auto picture = std::make_shared<testing_support::FakePicture>(HimetricSize{847, 847});
    auto font = std::make_shared<FakeFont>();
    btn.SetButtonForm(Oval);
    btn.SetButtonBackColor(0x8000000F);
    btn.SetButtonCaption(L"&Übernehmen");
    EXPECT_EQ(btn.Caption().Width(), 1100) << "the label fits itself to its new text";
    btn.SetButtonPicture(picture);
    btn.SetButtonFont(font);
    btn.SetButtonFontColor(0xFF0000);
    btn.SetButtonPictureAlign(Rechts);
    btn.SetButtonPictureStretch(false);
    btn.SetButtonEnabled(false);
    btn.SaveTo(store);
    EXPECT_EQ(store.entries().size(), 9u);

    cButton other(toolkit, host);
    other.RestoreFrom(store);
    PropertyMap again;
    other.SaveTo(again);
    EXPECT_TRUE(again.entries() == store.entries());
    EXPECT_EQ(other.Ground().FillColor(), kLightGrey);
}

TEST_F(ButtonTest, HostLayoutsWithLowerCaseNamesAndTextValuesAreRead) {
    store.Write(L"_extentx", std::int32_t{3678});
    store.Write(L"buttonform", std::wstring(L"2"));
    store.Write(L"buttonbackcolor", std::int32_t{-2147483643});
    store.Write(L"buttoncaption", std::int32_t{42});
    store.Write(L"buttonpicturestretch", std::wstring(L"False"));
    store.Write(L"buttonenabled", std::int32_t{0});
    btn.RestoreFrom(store);
    EXPECT_EQ(btn.ButtonForm(), Oval);
    EXPECT_EQ(btn.ButtonBackColor(), 0x80000005u);
    EXPECT_EQ(btn.ButtonCaption(), L"42");
    EXPECT_FALSE(btn.ButtonPictureStretch());
    EXPECT_FALSE(btn.ButtonEnabled());
}

TEST_F(ButtonTest, UnreadableValueEndsTheRestoreAtThatStep) {
    store.Write(L"ButtonForm", std::int32_t{2});
    store.Write(L"ButtonBackColor", std::wstring(L"blue"));
    store.Write(L"ButtonCaption", std::wstring(L"never read"));
    try {
        btn.RestoreFrom(store);
        FAIL() << "restore succeeded";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.status(), kTypeMismatch);
    }
    EXPECT_EQ(btn.ButtonForm(), Oval);
    EXPECT_EQ(btn.ButtonCaption(), L"cButton");
    EXPECT_EQ(host.changed, std::vector<std::wstring>{L"ButtonForm"});
}

TEST(PropertyValueTest, DesignerNumberTextsAreReadAndWhatCannotBeConvertedIsRefused) {
    EXPECT_EQ(ToInteger(std::wstring(L" -2147483648 ")), INT32_MIN);
    EXPECT_EQ(static_cast<std::uint32_t>(ToInteger(std::wstring(L"&H8000000F&"))), 0x8000000Fu);
    EXPECT_EQ(ToInteger(std::wstring(L" &hff ")), 255);
    EXPECT_EQ(ToInteger(std::wstring(L"-2.00")), -2);
    EXPECT_EQ(ToInteger(std::wstring(L"1.5E+3")), 1500);
    EXPECT_EQ(ToText(NoObject{}), L"") << "an empty caption";
    for (const wchar_t* refused : {L"2147483648", L"12abc", L"&H", L"&HFG", L"&H100000000", L"2.5", L"1E-1", L".",
                                   L"1E", L"2.147483648E9"})
        EXPECT_THROW(ToInteger(std::wstring(refused)), ControlError) << refused;
    EXPECT_THROW(ToBoolean(std::wstring(L"yes")), ControlError);
    EXPECT_THROW(ToFont(std::int32_t{1}), ControlError);
    EXPECT_FALSE(SameValue(std::make_shared<FakeFont>(), std::make_shared<FakeFont>()));
}

}  // namespace
