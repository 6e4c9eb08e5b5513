// Finding the client's installation: from its registration, or from the user.

#include "app/registry_store.h"
#include "support/program_fixture.h"

using namespace testing_support;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

namespace {

class ClientLocatorTest : public ProgramFixture {
protected:
    const wchar_t* kQuestionEnglish = L"ICQLite.exe could not be found would you like to search it?";
};

TEST_F(ClientLocatorTest, RegistrationTwoLevelsBelowTheProgramFindsItWithoutAsking) {
    InstallClient();
    EXPECT_EQ(main.GetICQPath(), kClientFolder);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(registry.requests.empty());
    EXPECT_EQ(registry.requests.back().root, kMachine);
}

// The client's registration is looked for in the 32-bit view first, then in the 64-bit view.
TEST_F(ClientLocatorTest, RegistrationInEitherViewIsFoundThe32BitOneFirst) {
    const std::wstring key64 = L"SOFTWARE\\Mirabilis\\ICQ\\ICQLite";
    files.Put(L"D:\\ICQ64\\ICQLite.exe", "MZ");
    registry.PutText(kMachine, key64, L"FileName", L"D:\\ICQ64\\Bin\\ICQLite.exe");
    EXPECT_EQ(main.GetICQPath(), L"D:\\ICQ64\\");

    registry.PutText(kMachine, kClientKey, L"FileName", L"E:\\Moved\\Bin\\ICQLite.exe");
    EXPECT_EQ(main.GetICQPath(), L"D:\\ICQ64\\") << "a 32-bit registration without the program goes on to the other";
    InstallClient();
    EXPECT_EQ(main.GetICQPath(), kClientFolder);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(registry.requests.back().view, platform::RegistryView::Bits32);
    EXPECT_EQ(program.objReg().ReadEntry(L"FileName", L""), std::wstring(kClientFolder) + L"Bin\\ICQLite.exe");
}

TEST_F(ClientLocatorTest, ProgramFileMissingOrNoRegistrationAsksTheUser) {
    registry.PutText(kMachine, kClientKey, L"FileName", L"C:\\Programme\\ICQLite\\Bin\\ICQLite.exe");
    boxes.answer = MessageResult::No;
    EXPECT_EQ(main.GetICQPath(), L"");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kQuestionEnglish);
    EXPECT_EQ(boxes.shown[0].title, L"Kalvex3");
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Question);
    EXPECT_TRUE(fileDialog.filters.empty()) << "declining ends the search";

    MemoryRegistry empty;
    registry = empty;
    boxes.shown.clear();
    EXPECT_EQ(main.GetICQPath(), L"");
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(ClientLocatorTest, UserPointsAtTheProgramFile) {
    boxes.answer = MessageResult::Yes;
    fileDialog.answers = {L"E:\\Tools\\ICQ\\ICQLite.exe"};
    EXPECT_EQ(main.GetICQPath(), L"E:\\Tools\\ICQ\\");
    EXPECT_EQ(fileDialog.filters, (std::vector<std::wstring>{L"EXE Datei|*.exe"}));
}

TEST_F(ClientLocatorTest, WrongChoiceIsToldOnceAndLeavesNoFolder) {
    boxes.answer = MessageResult::Yes;
    fileDialog.answers = {L"E:\\Tools\\ICQ\\icqlite.exe"};
    program.intLanguage = 1;
    EXPECT_EQ(main.GetICQPath(), L"");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, L"Die ICQLite.exe konnte nicht gefunden werden, wollen Sie selbst nach ihr suchen?");
    EXPECT_EQ(boxes.shown[1].text, L"Sie haben einen falschen Pfad gewählt");
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fileDialog.filters.size(), 1u) << "no second attempt";
}

TEST_F(ClientLocatorTest, CancelledDialogEndsQuietly) {
    boxes.answer = MessageResult::Yes;
    fileDialog.answers = {std::nullopt};
    EXPECT_EQ(main.GetICQPath(), L"");
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(ClientLocatorTest, RegisteredPathWithOnlyALeadingBackslashGoesOnToAsk) {
    registry.PutText(kMachine, kClientKey, L"FileName", L"\\ICQLite.exe");
    files.Put(L"ICQLite.exe", "MZ");  // even beside the program it must not count
    boxes.answer = MessageResult::No;
    EXPECT_EQ(main.GetICQPath(), L"");
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(reportWindow.text.empty());
}

TEST_F(ClientLocatorTest, HiddenProgramFileStillCounts) {
    files.Put(L"C:\\ICQ\\ICQLite.exe", "MZ", platform::kHidden);
    EXPECT_TRUE(main.RightICQPath(L"C:\\ICQ\\"));
    EXPECT_FALSE(main.RightICQPath(L"C:\\ICQ"));
}

TEST_F(ClientLocatorTest, StartUpAsksInEnglishBecauseTheLanguageIsNotSetYet) {
    locale.languageId = 0x0407;
    boxes.answer = MessageResult::No;
    main.Form_Load();
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].text, kQuestionEnglish);
    EXPECT_EQ(program.intLanguage, 1);
}

}  // namespace
