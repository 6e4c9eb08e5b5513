// The settings dialog and the about dialog.

#include "app/about_dialog.h"
#include "app/settings_dialog.h"
#include "support/program_fixture.h"

using namespace testing_support;
using C = app::MainControl;
using S = app::SettingsControl;

namespace {

class SettingsDialogTest : public ProgramFixture {
protected:
    FakeSettingsView dialogView;

    void SetUp() override {
        ProgramFixture::SetUp();
        InstallClient();
        locale.languageId = 0x0407;
        main.Form_Load();
    }
    app::frmSettings& Open() {
        FakeSettingsView fresh;
        dialogView = fresh;
        app::frmSettings& dialog = main.settingsDialog();
        dialog.Attach(&dialogView);
        dialog.Form_Load();
        return dialog;
    }
};

TEST_F(SettingsDialogTest, LoadShowsTheCurrentChoices) {
    program.intCloseAfterChange = 2;
    Open();
    EXPECT_EQ(dialogView.text[S::Title], L"Einstellungen");
    EXPECT_EQ(dialogView.text[S::chkCloseAfterApply], L"Nach Übernahme der Änderungen den Kalvex schließen");
    EXPECT_EQ(dialogView.languages, (std::vector<std::wstring>{L"Deutsch", L"English"}));
    EXPECT_EQ(dialogView.selected, 0);
    EXPECT_EQ(dialogView.checkState, 2);
    EXPECT_TRUE(reportWindow.text.empty());
}

TEST_F(SettingsDialogTest, OkSwitchesTheMainWindowAtOnceAndStoresBoth) {
    app::frmSettings& dialog = Open();
    dialogView.selected = 1;
    dialog.combLanguage_Click();
    dialogView.checkState = 1;
    dialog.cmdOk_Click();

    EXPECT_EQ(view.text[C::cbtnApply], L"Apply Changes");
    EXPECT_EQ(program.intLanguage, 2);
    EXPECT_EQ(program.intCloseAfterChange, 1);
    EXPECT_EQ(Stored(L"Language"), L"2");
    EXPECT_EQ(Stored(L"CloseAfterChange"), L"1");
    EXPECT_TRUE(dialogView.closed);

    Open();
    EXPECT_EQ(dialogView.text[S::lblLanguage], L"Language");
    EXPECT_EQ(dialogView.text[S::cmdCancel], L"Cancel");
}

TEST_F(SettingsDialogTest, CancelStoresNothingAndReopeningShowsTheCurrentLanguage) {
    registry.requests.clear();
    app::frmSettings& dialog = Open();
    dialogView.selected = 1;
    dialog.combLanguage_Click();
    dialogView.checkState = 1;
    dialog.cmdCancel_Click();

    EXPECT_TRUE(dialogView.closed);
    EXPECT_TRUE(registry.requests.empty()) << "nothing read or written";
    EXPECT_EQ(program.intLanguage, 1);
    EXPECT_EQ(program.intCloseAfterChange, 0);
    EXPECT_EQ(view.text[C::cbtnApply], L"Änderungen übernehmen");
    Open();
    EXPECT_EQ(dialogView.selected, 0);
}

TEST_F(SettingsDialogTest, UnknownLanguageGivesEnglishTextsNoSelectionAndAReport) {
    program.intLanguage = 3;
    app::frmSettings& dialog = Open();
    EXPECT_EQ(dialogView.text[S::Title], L"Settings");
    EXPECT_EQ(dialogView.selected, -1);
    EXPECT_NE(reportWindow.text.find(L"Invalid property value"), std::wstring::npos);
    EXPECT_NE(reportWindow.text.find(L"Call Stack: frmSettings.Form_Load()  at Line 50 "), std::wstring::npos);
    EXPECT_EQ(dialog.selectedLanguage(), 0) << "the pending code of the dialog's first opening";

    dialog.cmdOk_Click();
    EXPECT_EQ(Stored(L"Language"), L"0") << "the next start follows Windows again";
}

TEST_F(SettingsDialogTest, CodeZeroGivesEnglishTexts) {
    app::frmSettings& dialog = Open();
    dialog.SetSettingsLanguage(0);
    EXPECT_EQ(dialogView.text[S::chkCloseAfterApply], L"Close Kalvex after applied changes");
}

class AboutDialogTest : public ProgramFixture {
protected:
    FakeAboutView aboutView;
    app::frmInfo info{program, aboutView};
};

TEST_F(AboutDialogTest, ShowsVersionAndLinksAndOpensThem) {
    info.Form_Load();
    EXPECT_EQ(aboutView.text[app::AboutControl::lblVersion], L"Version 3.1.8");
    EXPECT_EQ(aboutView.text[app::AboutControl::lblWebsite], L"www.kalvex.example");
    EXPECT_EQ(aboutView.text[app::AboutControl::lblEMail], L"support@kalvex.example");

    info.lblWebsite_Click();
    info.lblEMail_Click();
    EXPECT_EQ(shell.opened, (std::vector<std::wstring>{L"http://www.kalvex.example", L"mailto: support@kalvex.example"}));

    info.cbtnOk_Click();
    EXPECT_TRUE(aboutView.closed);
}

TEST_F(AboutDialogTest, VersionNumbersWithoutLeadingZeros) {
    system.version = {10, 0, 12};
    info.Form_Load();
    EXPECT_EQ(aboutView.text[app::AboutControl::lblVersion], L"Version 10.0.12");
}

}  // namespace
