// The main window from start-up to shutdown, driven as the user would through its view, and
// how it finds the client's installation: from its registration, or from the user.

#include "app/registry_store.h"
#include "app/settings_dialog.h"
#include "support/program_fixture.h"

using namespace testing_support;
using C = app::MainControl;
using platform::MessageButtons;
using platform::MessageResult;

namespace {

class MainWindowTest : public ProgramFixture {};

const wchar_t* const kQuestionEnglish = L"ICQLite.exe could not be found would you like to search it?";

TEST_F(MainWindowTest, StoredSettingsAreUsedAsTheyAre) {
    InstallClient();
    registry.PutText(kMachine, kClientKey, L"FileName", L"D:\\elsewhere\\x\\ICQLite.exe");
    Store(L"ICQLitePath", kClientFolder);
    Store(L"OpenURL", L"True");
    Store(L"CloseAfterChange", L"1");
    main.Form_Load();

    EXPECT_EQ(main.clientFolder(), kClientFolder) << "the stored folder, not the registration's";
    EXPECT_TRUE(view.enabled[C::txtURL]) << "the link box goes with the stored choice";
    EXPECT_EQ(program.intCloseAfterChange, 1);
}

TEST_F(MainWindowTest, MissingPictureShowsTheNotFoundLabelAndKeepsThePath) {
    InstallClient();
    Store(L"PicturePath", L"C:\\weg.jpg");
    main.Form_Load();
    EXPECT_TRUE(view.visible[C::lblNotFound]);
    EXPECT_FALSE(view.preview);
    EXPECT_EQ(main.picturePath(), L"C:\\weg.jpg");
}

TEST_F(MainWindowTest, StoredPictureThatCannotBeShownIsNotFoundAndStartUpGoesOn) {
    InstallClient();
    view.unreadablePictures = {Data(L"climage.gif")};
    main.Form_Load();
    EXPECT_TRUE(view.visible[C::lblNotFound]);
    EXPECT_EQ(view.text[C::cbtnApply], L"Apply Changes") << "the language step ran";
    EXPECT_TRUE(reportWindow.text.empty());
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
        {L"0", 0x0407, L"Änderungen übernehmen", L"1"},
        {L"3", 0x0407, L"Änderungen übernehmen", L"3"},  // no texts set: the layout's stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : L"none");
        registry = MemoryRegistry();
        view = FakeMainView();
        if (c.stored) Store(L"Language", c.stored);
        locale.languageId = c.windows;
        main.Form_Load();
        EXPECT_EQ(view.text[C::cbtnApply], c.applyCaption);
        EXPECT_EQ(Stored(L"Language"), c.storedAfter);
    }
}

TEST_F(MainWindowTest, MalformedStoredSettingsFallBackAndStartUpGoesOn) {
    InstallClient();
    Store(L"ICQLitePath", kClientFolder);
    Store(L"CloseAfterChange", L"ja");
    Store(L"OpenURL", L"vielleicht");
    Store(L"Language", L"99999");
    main.Form_Load();

    EXPECT_TRUE(reportWindow.text.empty()) << reportWindow.text;
    EXPECT_EQ(program.intCloseAfterChange, 0);
    EXPECT_TRUE(view.IsSelected(C::optFullSizePicture));

    Unload();
    EXPECT_EQ(Stored(L"ICQLitePath"), kClientFolder) << "closing keeps the stored client folder";
}

// Unreadable positions, like other malformed settings, fall back without a report.
TEST_F(MainWindowTest, StoredPositionIsKeptWhileItTouchesAMonitorElseTheWindowOpensCentred) {
    const float centredLeft = (1024 * 15 - view.width) / 2, centredTop = (768 * 15 - view.height) / 2;
    const struct {
        const wchar_t *left, *top;
        float expectedLeft, expectedTop;
    } cases[] = {
        {L"", L"", centredLeft, centredTop},
        {L"-600", L"150.5", -600, 150.5f},
        {L"40000", L"300", centredLeft, centredTop},
    };
    boxes.answer = MessageResult::No;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        Store(L"FormLeft", c.left);
        Store(L"FormTop", c.top);
        main.Form_Load();
        EXPECT_EQ(view.left, c.expectedLeft);
        EXPECT_EQ(view.top, c.expectedTop);
        EXPECT_TRUE(reportWindow.text.empty());
    }
}

TEST_F(MainWindowTest, UnloadWritesPositionInTheUsersNumberFormat) {
    locale.decimalSeparator = L',';
    boxes.answer = MessageResult::No;
    main.Form_Load();
    view.Move(1234.5f, 60);
    view.Select(C::optOpenURL);
    Unload();
    EXPECT_EQ(Stored(L"FormLeft"), L"1234,5");
    EXPECT_EQ(Stored(L"FormTop"), L"60");
    EXPECT_EQ(Stored(L"OpenURL"), L"True");
    EXPECT_EQ(Stored(L"ICQLitePath"), L"");
}

// The client's registration is looked for in the 32-bit view first, then in the 64-bit view,
// then in the registry's virtual store; one two levels below the program finds it without asking.
TEST_F(MainWindowTest, RegistrationInEitherViewIsFoundThe32BitOneFirst) {
    files.Put(L"F:\\Own\\ICQLite.exe", "MZ");
    registry.PutText(kUser, L"Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\WOW6432Node\\Mirabilis\\ICQ\\ICQLite",
                     L"FileName", L"F:\\Own\\Bin\\ICQLite.exe");
    EXPECT_EQ(main.GetICQPath(), L"F:\\Own\\") << "registered by a client run unelevated";
    const std::wstring key64 = L"SOFTWARE\\Mirabilis\\ICQ\\ICQLite";
    files.Put(L"D:\\ICQ64\\ICQLite.exe", "MZ");
    registry.PutText(kMachine, key64, L"FileName", L"D:\\ICQ64\\Bin\\ICQLite.exe");
    EXPECT_EQ(main.GetICQPath(), L"D:\\ICQ64\\");

    registry.PutText(kMachine, kClientKey, L"FileName", L"E:\\Moved\\Bin\\ICQLite.exe");
    EXPECT_EQ(main.GetICQPath(), L"D:\\ICQ64\\") << "a 32-bit registration without the program goes on to the other";
    InstallClient();
    EXPECT_EQ(main.GetICQPath(), kClientFolder);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(program.objReg().ReadEntry(L"FileName", L""), std::wstring(kClientFolder) + L"Bin\\ICQLite.exe");
}

TEST_F(MainWindowTest, ProgramFileMissingOrNoRegistrationAsksTheUser) {
    registry.PutText(kMachine, kClientKey, L"FileName", L"C:\\Programme\\ICQLite\\Bin\\ICQLite.exe");
    boxes.answer = MessageResult::No;
    EXPECT_EQ(main.GetICQPath(), L"");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kQuestionEnglish);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(fileDialog.filters.empty()) << "declining ends the search";
}

TEST_F(MainWindowTest, UserPointsAtTheProgramFileOrCancelsQuietly) {
    boxes.answer = MessageResult::Yes;
    fileDialog.answers = {std::nullopt, L"E:\\Tools\\ICQ\\ICQLite.exe"};
    EXPECT_EQ(main.GetICQPath(), L"");
    EXPECT_EQ(boxes.shown.size(), 1u) << "the question alone";
    EXPECT_EQ(main.GetICQPath(), L"E:\\Tools\\ICQ\\");
}

TEST_F(MainWindowTest, WrongChoiceIsToldOnceAndLeavesNoFolder) {
    boxes.answer = MessageResult::Yes;
    fileDialog.answers = {L"E:\\Tools\\ICQ\\icqlite.exe"};
    program.intLanguage = 1;
    EXPECT_EQ(main.GetICQPath(), L"");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, L"Sie haben einen falschen Pfad gewählt");
    EXPECT_EQ(fileDialog.filters.size(), 1u) << "no second attempt";
}

TEST_F(MainWindowTest, HiddenProgramFileStillCounts) {
    files.Put(L"C:\\ICQ\\ICQLite.exe", "MZ", platform::kHidden);
    EXPECT_TRUE(main.RightICQPath(L"C:\\ICQ\\"));
    EXPECT_FALSE(main.RightICQPath(L"C:\\ICQ"));
}

TEST_F(MainWindowTest, StartUpAsksInEnglishBecauseTheLanguageIsNotSetYet) {
    locale.languageId = 0x0407;
    boxes.answer = MessageResult::No;
    main.Form_Load();
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].text, kQuestionEnglish);
    EXPECT_EQ(program.intLanguage, 1);
}

}  // namespace
