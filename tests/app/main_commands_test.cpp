// The main window's commands: choose a picture, apply it to the client's page, remove banners;
// and the settings and about dialogs.

#include "app/about_dialog.h"
#include "app/settings_dialog.h"
#include "support/client_page_text.h"
#include "support/program_fixture.h"

using namespace testing_support;
using C = app::MainControl;
using S = app::SettingsControl;
using platform::MessageIcon;

namespace {

class MainCommandsTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        InstallClient();
        main.Form_Load();
        boxes.shown.clear();
    }
    std::string Page() { return files.files.at(Data(L"climage.html")).bytes; }
};

TEST_F(MainCommandsTest, ChoosingAPictureShowsItWithoutSavingIt) {
    view.visible[C::lblNotFound] = true;
    fileDialog.answers = {L"C:\\Bilder\\ich.jpg"};
    main.cbtnOpen_Click();
    EXPECT_EQ(fileDialog.filters.back(), L"Bilddateien(*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp");
    EXPECT_EQ(view.preview, L"C:\\Bilder\\ich.jpg");
    EXPECT_FALSE(view.visible[C::lblNotFound]);
    Unload();
    EXPECT_EQ(Stored(L"PicturePath"), std::nullopt);
}

TEST_F(MainCommandsTest, UnreadablePictureEndsInAReportAndIsNotTaken) {
    view.visible[C::lblNotFound] = true;
    view.unreadablePictures = {L"C:\\kaputt.bmp"};
    fileDialog.answers = {L"C:\\kaputt.bmp"};
    main.cbtnOpen_Click();
    EXPECT_NE(reportWindow.text.find(L"Call Stack: frmMain.cbtnOpen_Click()  at Line 40 "), std::wstring::npos);
    EXPECT_EQ(main.picturePath(), Data(L"climage.gif"));
    EXPECT_TRUE(view.visible[C::lblNotFound]);
}

TEST_F(MainCommandsTest, CancelledPictureDialogChangesNothing) {
    fileDialog.answers = {std::nullopt};
    main.cbtnOpen_Click();
    EXPECT_EQ(main.picturePath(), Data(L"climage.gif"));
    EXPECT_TRUE(reportWindow.text.empty());
}

TEST_F(MainCommandsTest, ApplyWithThePictureItselfAsLink) {
    fileDialog.answers = {L"C:\\Bilder\\ich.jpg"};
    main.cbtnOpen_Click();
    main.cbtnApply_Click();

    EXPECT_EQ(Page(), ClientPage("file://C:/Bilder/ich.jpg", "C:/Bilder/ich.jpg"));
    EXPECT_EQ(files.files.at(Data(L"climage.html")).attributes, platform::kHidden);
    EXPECT_EQ(Stored(L"PicturePath"), L"C:\\Bilder\\ich.jpg");
    EXPECT_EQ(Stored(L"URL"), L"www.kalvex.example") << "the link box is saved even when unused";
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Changes have been applied");
    EXPECT_EQ(boxes.shown[0].title, L"Kalvex3");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(view.closed);
}

TEST_F(MainCommandsTest, ApplyWithTheLinkBoxInGerman) {
    program.intLanguage = 1;
    view.Select(C::optOpenURL);
    main.optOpenURL_Click();
    EXPECT_TRUE(view.enabled[C::txtURL]);
    view.text[C::txtURL] = L"www.example.org\\seite";
    main.cbtnApply_Click();
    EXPECT_EQ(Page(), ClientPage("http://www.example.org/seite", "C:/Programme/ICQLite/LiteDataFiles/climage.gif"));
    EXPECT_EQ(boxes.shown.at(0).text, L"Änderungen wurden übernommen");

    main.optFullSizePicture_Click();
    EXPECT_FALSE(view.enabled[C::txtURL]);
    EXPECT_EQ(view.text[C::txtURL], L"www.example.org\\seite") << "the link text stays";
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

TEST_F(MainCommandsTest, ApplyClosesTheWindowAfterTheConfirmationWhenSet) {
    program.intCloseAfterChange = 1;
    main.cbtnApply_Click();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(view.closed);

    program.intCloseAfterChange = 2;  // greyed is not checked
    view.closed = false;
    main.cbtnApply_Click();
    EXPECT_FALSE(view.closed);
}

// Apply's message exists in German only; banner removal's follows the language.
TEST_F(MainCommandsTest, WithoutClientFolderTheCommandsOnlyTellTheUser) {
    registry = MemoryRegistry();
    boxes.answer = platform::MessageResult::No;
    main.Form_Load();  // the locator finds nothing and the user declines
    boxes.shown.clear();
    program.intLanguage = 2;

    main.cbtnApply_Click();
    main.cbtnRemoveBanner_Click();
    const std::wstring german =
        L"Sie haben den ICQLite Pfad nicht angegeben und können deshalb diese Funktion nicht nutzen";
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, german);
    EXPECT_EQ(boxes.shown[1].text, L"You did not specified the ICQLite path and can not use this function");
    for (const auto& shown : boxes.shown) EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    EXPECT_TRUE(view.visible[C::cbtnRemoveBanner]);
}

TEST_F(MainCommandsTest, RemoveBannerNeutralisesBothFilesAndHidesTheButton) {
    main.cbtnRemoveBanner_Click();
    for (const wchar_t* name : {L"banners.xml", L"clbanner.xml"}) {
        EXPECT_EQ(files.files.at(Data(name)).bytes, "<root> <info>Banner removed with Kalvex</info> </root>");
        EXPECT_TRUE(files.files.at(Data(name)).attributes & platform::kHidden);
    }
    EXPECT_FALSE(view.visible[C::cbtnRemoveBanner]);
    EXPECT_TRUE(boxes.shown.empty());
}

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
        dialogView = FakeSettingsView();
        app::frmSettings& dialog = main.settingsDialog();
        dialog.Attach(&dialogView);
        dialog.Form_Load();
        return dialog;
    }
    void ChooseEnglishAndClosing(app::frmSettings& dialog) {
        dialogView.selected = 1;
        dialog.combLanguage_Click();
        dialogView.checkState = 1;
    }
};

TEST_F(SettingsDialogTest, LoadShowsTheCurrentChoicesInTheCurrentLanguage) {
    program.intCloseAfterChange = 2;
    app::frmSettings& dialog = Open();
    EXPECT_EQ(dialogView.text[S::chkCloseAfterApply], L"Nach Übernahme der Änderungen den Kalvex schließen");
    EXPECT_EQ(dialogView.languages, (std::vector<std::wstring>{L"Deutsch", L"English"}));
    EXPECT_EQ(dialogView.selected, 0);
    EXPECT_EQ(dialogView.checkState, 2);
    EXPECT_TRUE(reportWindow.text.empty());

    dialog.SetSettingsLanguage(0);
    EXPECT_EQ(dialogView.text[S::chkCloseAfterApply], L"Close Kalvex after applied changes") << "code 0 is English";
}

TEST_F(SettingsDialogTest, OkSwitchesTheMainWindowAtOnceAndStoresBoth) {
    app::frmSettings& dialog = Open();
    ChooseEnglishAndClosing(dialog);
    dialog.cmdOk_Click();

    EXPECT_EQ(view.text[C::cbtnApply], L"Apply Changes");
    EXPECT_EQ(program.intCloseAfterChange, 1);
    EXPECT_EQ(Stored(L"Language"), L"2");
    EXPECT_EQ(Stored(L"CloseAfterChange"), L"1");
    EXPECT_TRUE(dialogView.closed);

    Open();
    EXPECT_EQ(dialogView.text[S::lblLanguage], L"Language");
}

TEST_F(SettingsDialogTest, CancelStoresNothingAndReopeningShowsTheCurrentLanguage) {
    app::frmSettings& dialog = Open();
    ChooseEnglishAndClosing(dialog);
    dialog.cmdCancel_Click();

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
    EXPECT_EQ(dialogView.text[S::Title], L"Settings");
    EXPECT_EQ(dialogView.selected, -1);
    EXPECT_NE(reportWindow.text.find(L"Invalid property value"), std::wstring::npos);
    EXPECT_NE(reportWindow.text.find(L"Call Stack: frmSettings.Form_Load()  at Line 50 "), std::wstring::npos);
    EXPECT_EQ(dialog.selectedLanguage(), 0) << "the pending code of the dialog's first opening";

    dialog.cmdOk_Click();
    EXPECT_EQ(Stored(L"Language"), L"0") << "the next start follows Windows again";
}

class AboutDialogTest : public ProgramFixture {
protected:
    FakeAboutView aboutView;
    app::frmInfo info{program, aboutView};
};

TEST_F(AboutDialogTest, ShowsVersionWithoutLeadingZerosAndOpensTheLinks) {
    system.version = {10, 0, 12};
    info.Form_Load();
    EXPECT_EQ(aboutView.text[app::AboutControl::lblVersion], L"Version 10.0.12");

    info.lblWebsite_Click();
    info.lblEMail_Click();
    EXPECT_EQ(shell.opened, (std::vector<std::wstring>{L"http://www.kalvex.example", L"mailto: support@kalvex.example"}));

    info.cbtnOk_Click();
    EXPECT_TRUE(aboutView.closed);
}

}  // namespace
