// The main window from start-up to shutdown, driven as the user would through its view.

#include "app/settings_dialog.h"
#include "support/program_fixture.h"

using namespace testing_support;
using C = app::MainControl;
using platform::MessageIcon;

namespace {

class MainWindowTest : public ProgramFixture {};

TEST_F(MainWindowTest, FirstStartWithEmptyRegistry) {
    InstallClient();
    main.Form_Load();

    EXPECT_EQ(view.left, (1024 * 15 - view.width) / 2) << "centred";
    EXPECT_EQ(view.top, (768 * 15 - view.height) / 2);
    EXPECT_EQ(view.text[C::txtURL], L"www.kalvex.example");
    EXPECT_TRUE(view.IsSelected(C::optFullSizePicture));
    EXPECT_FALSE(view.enabled[C::txtURL]);
    EXPECT_EQ(main.clientFolder(), kClientFolder) << "from the client's registration, without asking";
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(main.picturePath(), Data(L"climage.gif"));
    EXPECT_EQ(view.preview, Data(L"climage.gif"));
    EXPECT_TRUE(view.visible[C::cbtnRemoveBanner]);
    EXPECT_EQ(Stored(L"Language"), L"2") << "English Windows";
    EXPECT_EQ(view.text[C::cbtnApply], L"Apply Changes");
    EXPECT_TRUE(reportWindow.text.empty());

    Unload();
    EXPECT_EQ(Stored(L"ICQLitePath"), kClientFolder);
    EXPECT_EQ(Stored(L"OpenURL"), L"False");
    EXPECT_EQ(Stored(L"FormLeft"), L"5332.5");
    EXPECT_EQ(Stored(L"PicturePath"), std::nullopt) << "only Apply saves the picture";
}

TEST_F(MainWindowTest, StoredSettingsAreUsedAsTheyAre) {
    InstallClient();
    registry.PutText(kMachine, kClientKey, L"FileName", L"D:\\elsewhere\\x\\ICQLite.exe");
    Store(L"ICQLitePath", kClientFolder);
    Store(L"PicturePath", L"C:\\Bilder\\ich.jpg");
    files.Put(L"C:\\Bilder\\ich.jpg", "JPEG");
    Store(L"URL", L"www.example.org");
    Store(L"OpenURL", L"True");
    Store(L"FormLeft", L"-600");
    Store(L"FormTop", L"150.5");
    Store(L"CloseAfterChange", L"1");
    main.Form_Load();

    EXPECT_EQ(main.clientFolder(), kClientFolder) << "the stored folder, not the registration's";
    EXPECT_EQ(view.preview, L"C:\\Bilder\\ich.jpg");
    EXPECT_EQ(view.text[C::txtURL], L"www.example.org");
    EXPECT_TRUE(view.IsSelected(C::optOpenURL));
    EXPECT_TRUE(view.enabled[C::txtURL]);
    EXPECT_EQ(view.left, -600) << "partly off-screen stays where it was";
    EXPECT_EQ(view.top, 150.5f);
    EXPECT_EQ(program.intCloseAfterChange, 1);
}

TEST_F(MainWindowTest, BannersHiddenOrMissingHideTheButton) {
    InstallClient();
    files.SetAttributes(Data(L"banners.xml"), platform::kHidden);
    files.files.erase(Data(L"clbanner.xml"));
    main.Form_Load();
    EXPECT_FALSE(view.visible[C::cbtnRemoveBanner]);
}

TEST_F(MainWindowTest, MissingPictureShowsTheNotFoundLabelAndKeepsThePath) {
    InstallClient();
    Store(L"PicturePath", L"C:\\weg.jpg");
    main.Form_Load();
    EXPECT_TRUE(view.visible[C::lblNotFound]);
    EXPECT_FALSE(view.preview);
    EXPECT_EQ(main.picturePath(), L"C:\\weg.jpg");
}

TEST_F(MainWindowTest, StoredLanguageOrWindowsLanguageDecides) {
    struct Case {
        const wchar_t* stored;  // nullptr: none
        std::uint16_t windows;
        const wchar_t* applyCaption;
        const wchar_t* storedAfter;
    };
    const Case cases[] = {
        {nullptr, 0x0407, L"Änderungen übernehmen", L"1"},
        {nullptr, 0x0C07, L"Apply Changes", L"2"},  // German (Austria) is not German (Germany)
        {L"2", 0x0407, L"Apply Changes", L"2"},
        {L"1", 0x0409, L"Änderungen übernehmen", L"1"},
        {L"0", 0x0407, L"Änderungen übernehmen", L"1"},
        {L"3", 0x0407, L"Änderungen übernehmen", L"3"},  // no texts set: the layout's stay
    };
    for (const Case& c : cases) {
        MemoryRegistry fresh;
        registry = fresh;
        FakeMainView freshView;
        view = freshView;
        view.text[C::cbtnOpen] = L"layout";
        if (c.stored) Store(L"Language", c.stored);
        locale.languageId = c.windows;
        main.Form_Load();
        EXPECT_EQ(view.text[C::cbtnApply], c.applyCaption) << c.windows;
        EXPECT_EQ(Stored(L"Language"), c.storedAfter) << c.windows;
        if (std::wstring(c.storedAfter) == L"3") {
            EXPECT_EQ(view.text[C::cbtnOpen], L"layout");
            EXPECT_EQ(program.intLanguage, 3);
        }
    }
}

TEST_F(MainWindowTest, MalformedStoredSettingsFallBackAndStartUpGoesOn) {
    InstallClient();
    Store(L"ICQLitePath", kClientFolder);
    Store(L"CloseAfterChange", L"ja");
    Store(L"FormLeft", L"links");
    Store(L"FormTop", L"1e99");
    Store(L"OpenURL", L"vielleicht");
    Store(L"Language", L"99999");
    main.Form_Load();

    EXPECT_TRUE(reportWindow.text.empty()) << reportWindow.text;
    EXPECT_EQ(program.intCloseAfterChange, 0);
    EXPECT_EQ(view.left, (1024 * 15 - view.width) / 2);
    EXPECT_EQ(view.top, (768 * 15 - view.height) / 2);
    EXPECT_TRUE(view.IsSelected(C::optFullSizePicture));
    EXPECT_EQ(view.text[C::cbtnApply], L"Apply Changes") << "the language step still ran";
    EXPECT_EQ(view.preview, Data(L"climage.gif"));

    Unload();
    EXPECT_EQ(Stored(L"ICQLitePath"), kClientFolder) << "closing keeps the stored client folder";
}

TEST_F(MainWindowTest, CloseAfterChangeOutsideTheCheckBoxStatesFallsBackSoTheSettingsDialogStillLoads) {
    Store(L"CloseAfterChange", L"5");
    boxes.answer = platform::MessageResult::No;
    main.Form_Load();
    EXPECT_EQ(program.intCloseAfterChange, 0);

    FakeSettingsView dialogView;
    main.settingsDialog().Attach(&dialogView);
    main.settingsDialog().Form_Load();
    EXPECT_TRUE(reportWindow.text.empty()) << reportWindow.text;
    EXPECT_EQ(dialogView.languages.size(), 2u);
}

TEST_F(MainWindowTest, PositionOnAMonitorThatIsGoneOpensCentred) {
    Store(L"FormLeft", L"40000");
    Store(L"FormTop", L"300");
    boxes.answer = platform::MessageResult::No;
    main.Form_Load();
    EXPECT_EQ(view.left, (1024 * 15 - view.width) / 2);
    EXPECT_EQ(view.top, (768 * 15 - view.height) / 2);
}

TEST_F(MainWindowTest, UnloadWritesPositionInTheUsersNumberFormat) {
    locale.decimalSeparator = L',';
    boxes.answer = platform::MessageResult::No;
    main.Form_Load();
    view.Move(1234.5f, 60);
    view.Select(C::optOpenURL);
    Unload();
    EXPECT_EQ(Stored(L"FormLeft"), L"1234,5");
    EXPECT_EQ(Stored(L"FormTop"), L"60");
    EXPECT_EQ(Stored(L"OpenURL"), L"True");
    EXPECT_EQ(Stored(L"ICQLitePath"), L"");
}

}  // namespace
