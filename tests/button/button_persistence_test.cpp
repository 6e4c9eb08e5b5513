// Saving and restoring through the host's property store: defaults are omitted, names are
// found whatever their case, values are converted, and the font identity rules hold.

#include <gtest/gtest.h>

#include "button/button.h"
#include "button/control_error.h"
#include "button/property_map.h"
#include "support/button_fakes.h"

using namespace button;
using testing_support::FakeFont;

namespace {

class ButtonPersistenceTest : public ::testing::Test {
protected:
    testing_support::FakeToolkit toolkit;
    testing_support::RecordingHost host;
    cButton btn{toolkit, host};
    PropertyMap store;
};

// What a fresh button saves is checked with its properties.
TEST_F(ButtonPersistenceTest, EmptyStoreRestoresTheSaveDefaultsAndTiesTheFontToTheCaption) {
    btn.RestoreFrom(store);
    btn.SaveTo(store);
    EXPECT_TRUE(store.entries().empty()) << "every value restored is the one saving omits";
    EXPECT_EQ(btn.ButtonForm(), Rechteck);
    EXPECT_EQ(btn.ButtonBackColor(), kWhite);

    EXPECT_EQ(btn.ButtonFont(), btn.Caption().Font()) << "the default handed over is the caption's own font";
    static_cast<FakeFont&>(*btn.ButtonFont()).bold = true;
    EXPECT_TRUE(btn.Caption().Font()->Bold()) << "so changes to it show at once";
}

TEST_F(ButtonPersistenceTest, RoundTripKeepsEveryProperty) {
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
    EXPECT_EQ(btn.Caption().Caption(), L"&Übernehmen") << "the setters reach the children";
    EXPECT_EQ(btn.Caption().ForeColor(), 0xFF0000u);
    EXPECT_EQ(btn.PictureArea().Picture(), picture);
    EXPECT_FALSE(btn.PictureArea().Stretch());
    btn.SetButtonEnabled(false);
    btn.SaveTo(store);
    EXPECT_EQ(store.entries().size(), 9u);

    cButton other(toolkit, host);
    other.RestoreFrom(store);
    EXPECT_EQ(other.ButtonForm(), Oval);
    EXPECT_EQ(other.ButtonBackColor(), 0x8000000Fu);
    EXPECT_EQ(other.ButtonCaption(), L"&Übernehmen");
    EXPECT_EQ(other.ButtonPicture(), picture);
    EXPECT_EQ(other.ButtonFont(), font);
    EXPECT_EQ(other.ButtonFontColor(), 0xFF0000u);
    EXPECT_EQ(other.ButtonPictureAlign(), Rechts);
    EXPECT_FALSE(other.ButtonPictureStretch());
    EXPECT_FALSE(other.ButtonEnabled());
    EXPECT_EQ(other.Ground().FillColor(), kLightGrey);
}

TEST_F(ButtonPersistenceTest, HostLayoutsWithLowerCaseNamesAndTextValuesAreRead) {
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

TEST_F(ButtonPersistenceTest, UnreadableValueEndsTheRestoreAtThatStep) {
    store.Write(L"ButtonForm", std::int32_t{2});
    store.Write(L"ButtonBackColor", std::wstring(L"blue"));
    store.Write(L"ButtonCaption", std::wstring(L"never read"));
    host.changed.clear();
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

TEST(PropertyValueTest, ConversionsRefuseWhatCannotBeConverted) {
    EXPECT_EQ(ToInteger(std::wstring(L" -2147483648 ")), INT32_MIN);
    EXPECT_THROW(ToInteger(std::wstring(L"2147483648")), ControlError);
    EXPECT_THROW(ToInteger(std::wstring(L"12abc")), ControlError);
    EXPECT_THROW(ToBoolean(std::wstring(L"yes")), ControlError);
    EXPECT_THROW(ToFont(std::int32_t{1}), ControlError);
    EXPECT_FALSE(SameValue(std::make_shared<FakeFont>(), std::make_shared<FakeFont>()));
}

}  // namespace
