// The main window's commands and the settings dialog, where they leave the path the
// end-to-end test walks: a picture that cannot be shown, a missing page or client, closing
// after Apply, cancelling and an unknown language.

#include "app/about_dialog.h"
#include "app/settings_dialog.h"
#include "support/program_fixture.h"

using namespace testing_support;
using C = app::MainControl;

namespace {

class MainCommandsTest : public ProgramFixture {
protected:
    void SetUp() override {
        InstallClient();
        Load();
    }
};

TEST_F(MainCommandsTest, CancelledOrUnreadablePictureIsNotTakenOnlyTheUnreadableIsReported) {
    view.visible[C::lblNotFound] = true;
    view.unreadablePictures = {L"C:\\kaputt.bmp"};
    fileDialog.answers = {std::nullopt, L"C:\\kaputt.bmp"};
    main.cbtnOpen_Click();
    EXPECT_EQ(main.picturePath(), Data(L"climage.gif"));
    EXPECT_TRUE(reportWindow.text.empty());

    main.cbtnOpen_Click();
    EXPECT_NE(reportWindow.text.find(L"Call Stack: frmMain.cbtnOpen_Click()  at Line 40 "), std::wstring::npos);
    EXPECT_EQ(main.picturePath(), Data(L"climage.gif"));
    EXPECT_TRUE(view.visible[C::lblNotFound]);
}

TEST_F(MainCommandsTest, ApplyWithAMissingPageReportsAndSavesNothing) {
    files.files.erase(Data(L"climage.html"));
    main.cbtnApply_Click();
    EXPECT_NE(reportWindow.text.find(L"Call Stack: clsKalvex3.ChangePicture("), std::wstring::npos);
    EXPECT_NE(reportWindow.text.find(L"Call Stack: frmMain.cbtnApply_Click()  at Line 40 "), std::wstring::npos);
    EXPECT_TRUE(boxes.shown.empty()) << "no confirmation";
    EXPECT_EQ(Stored(L"PicturePath"), std::nullopt);
    EXPECT_EQ(Stored(L"URL"), std::nullopt);
}

TEST_F(MainCommandsTest, BannerRemovalHandlesEachFileAndOneReportNamesTheFailedOne) {
    files.heldOpen = {Data(L"banners.xml")};
    main.cbtnRemoveBanner_Click();
    EXPECT_EQ(files.files.at(Data(L"banners.xml")).bytes, "<banners/>");
    EXPECT_EQ(files.files.at(Data(L"clbanner.xml")).bytes, "<root> <info>Banner removed with Kalvex</info> </root>");
    EXPECT_NE(reportWindow.text.find(L"Permission denied: " + Data(L"banners.xml") + L"\r\n"), std::wstring::npos)
        << reportWindow.text;
    EXPECT_TRUE(view.visible[C::cbtnRemoveBanner]);
}

// Apply's message exists in German only; banner removal's follows the language.
TEST_F(MainCommandsTest, WithoutClientFolderTheCommandsOnlyTellTheUser) {
    registry = MemoryRegistry();
    boxes.answer = platform::MessageResult::No;
    Load();  // the locator finds nothing and the user declines
    program.intLanguage = 2;

    main.cbtnApply_Click();
    main.cbtnRemoveBanner_Click();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text,
              L"Sie haben den ICQLite Pfad nicht angegeben und können deshalb diese Funktion nicht nutzen");
    EXPECT_EQ(boxes.shown[1].text, L"You did not specified the ICQLite path and can not use this function");
    EXPECT_TRUE(view.visible[C::cbtnRemoveBanner]);
}

class SettingsDialogTest : public ProgramFixture {
protected:
    FakeSettingsView dialogView;

    void SetUp() override {
        InstallClient();
        locale.languageId = 0x0407;
        main.Form_Load();
    }
    app::frmSettings& Open() {
        dialogView = FakeSettingsView();
        app::frmSettings& dialog = main.settingsDialog();
        dialog.Attach(&dialogView);
        dialog.Form_Load();
        return dialog;
    }
    void ChooseEnglishAndClosingThenPress(void (app::frmSettings::*button)()) {
        app::frmSettings& dialog = Open();
        dialogView.selected = 1;
        dialog.combLanguage_Click();
        dialogView.checkState = 1;
        (dialog.*button)();
    }
};

TEST_F(SettingsDialogTest, LoadShowsTheCurrentChoicesInTheCurrentLanguage) {
    program.intCloseAfterChange = 2;
    Open();
    EXPECT_EQ(dialogView.languages, (std::vector<std::wstring>{L"Deutsch", L"English"}));
    EXPECT_EQ(dialogView.selected, 0);
    EXPECT_EQ(dialogView.checkState, 2);
    EXPECT_TRUE(reportWindow.text.empty());
}

TEST_F(SettingsDialogTest, CloseAfterChangeOutsideTheCheckBoxStatesFallsBackSoTheDialogStillLoads) {
    Store(L"CloseAfterChange", L"5");
    main.Form_Load();
    EXPECT_EQ(program.intCloseAfterChange, 0);
    Open();
    EXPECT_TRUE(reportWindow.text.empty()) << reportWindow.text;
    EXPECT_EQ(dialogView.languages.size(), 2u);
}

TEST_F(SettingsDialogTest, OkSwitchesTheMainWindowAtOnceAndStoresBoth) {
    ChooseEnglishAndClosingThenPress(&app::frmSettings::cmdOk_Click);

    EXPECT_EQ(view.text[C::cbtnApply], L"Apply Changes");
    EXPECT_EQ(program.intCloseAfterChange, 1);
    EXPECT_EQ(Stored(L"Language"), L"2");
    EXPECT_EQ(Stored(L"CloseAfterChange"), L"1");
    EXPECT_TRUE(dialogView.closed);
}

TEST_F(SettingsDialogTest, CancelStoresNothingAndReopeningShowsTheCurrentLanguage) {
    ChooseEnglishAndClosingThenPress(&app::frmSettings::cmdCancel_Click);

    EXPECT_TRUE(dialogView.closed);
    EXPECT_EQ(Stored(L"CloseAfterChange"), std::nullopt);
    EXPECT_EQ(program.intLanguage, 1);
    EXPECT_EQ(program.intCloseAfterChange, 0);
    EXPECT_EQ(view.text[C::cbtnApply], L"Änderungen übernehmen");
    Open();
    EXPECT_EQ(dialogView.selected, 0);
}

TEST_F(SettingsDialogTest, UnknownLanguageGivesEnglishTextsNoSelectionAndAReport) {
    program.intLanguage = 3;
    app::frmSettings& dialog = Open();
    EXPECT_EQ(dialogView.text[app::SettingsControl::Title], L"Settings");
    EXPECT_EQ(dialogView.selected, -1);
    EXPECT_NE(reportWindow.text.find(L"Invalid property value"), std::wstring::npos);
    EXPECT_NE(reportWindow.text.find(L"Call Stack: frmSettings.Form_Load()  at Line 50 "), std::wstring::npos);
    EXPECT_EQ(dialog.selectedLanguage(), 0) << "the pending code of the dialog's first opening";

    dialog.cmdOk_Click();
    EXPECT_EQ(Stored(L"Language"), L"0") << "the next start follows Windows again";
}

// The web link is an address for the browser, never a name to look for beside the program.
TEST_F(ProgramFixture, AboutDialogOpensTheWebsiteAsAnHttpAddress) {
    struct : app::AboutView {
        void SetText(app::AboutControl, const std::wstring&) override {}
        void Close() override {}
    } aboutView;
    app::frmInfo(program, aboutView).lblWebsite_Click();
    EXPECT_EQ(shell.opened, (std::vector<std::wstring>{L"http://www.kalvex.example"}));
}

}  // namespace
