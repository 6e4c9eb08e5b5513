// Apply, Remove Banner and the banner check against a data folder that refuses a standard
// user, by kind of client, VirtualStore copy and refusals; and the reader of the client's kind.

#include <fstream>
#include <iterator>

#include "app/program_kind.h"
#include "support/client_page_text.h"
#include "support/program_fixture.h"

using namespace testing_support;
using app::ProgramKind;
using C = app::MainControl;

namespace {

// legacy32 has no manifest, commented32 one whose execution level is in a comment only.
std::string ProgramFile(const char* name) {
    std::ifstream file(std::string(KX_PROGRAM_SEEDS) + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(ProgramKindTest, OnlyA32BitProgramNamingNoExecutionLevelIsLegacy) {
    const std::string declared = ProgramFile("asinvoker32.exe");
    const std::pair<std::string, ProgramKind> cases[] = {
        {ProgramFile("legacy32.exe"), ProgramKind::Legacy32},   {ProgramFile("commented32.exe"), ProgramKind::Legacy32},
        {declared, ProgramKind::Declared32},                    {ProgramFile("bits64.exe"), ProgramKind::Bits64},
        {"MZ", ProgramKind::NotAProgram},                       {"GIF89a", ProgramKind::NotAProgram},
        {declared.substr(0, 0x90), ProgramKind::NotAProgram},
    };
    for (const auto& [file, kind] : cases)
        EXPECT_EQ(app::ReadProgramKind({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}), kind)
            << file.size();
}

constexpr wchar_t kStore[] = L"C:\\Users\\Anna\\AppData\\Local\\VirtualStore\\Programme\\ICQLite\\LiteDataFiles\\";
const std::string kOld = "<banners/>", kRemoved = "<root> <info>Banner removed with Kalvex</info> </root>";
const std::string kPicture = "C:/Programme/ICQLite/LiteDataFiles/climage.gif";
const std::string kNewPage = ClientPage("file://" + kPicture, kPicture);
constexpr wchar_t kPolicies[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

class VirtualStoreTest : public ProgramFixture {
protected:
    void SetUp() override {
        InstallClient();
        Client(ProgramFile("legacy32.exe"));
        files.refusing = {kClientFolder};
    }
    void Client(const std::string& program) { files.Put(std::wstring(kClientFolder) + L"ICQLite.exe", program); }
    std::string Bytes(const std::wstring& path) { return files.files.count(path) ? files.files[path].bytes : "none"; }
    void Copies(const std::string& bytes) {
        for (const wchar_t* name : {L"climage.html", L"banners.xml", L"clbanner.xml"})
            files.Put(kStore + std::wstring(name), bytes);
    }
};

TEST_F(VirtualStoreTest, LegacyClientGetsItsFilesInTheVirtualStoreAndTheNextStartSeesThem) {
    Load();
    program.intCloseAfterChange = 1;
    main.cbtnApply_Click();
    main.cbtnRemoveBanner_Click();
    EXPECT_EQ(Bytes(kStore + std::wstring(L"climage.html")), kNewPage);
    for (const wchar_t* name : {L"climage.html", L"banners.xml", L"clbanner.xml"}) {
        EXPECT_TRUE(files.files[kStore + std::wstring(name)].attributes & platform::kHidden) << name;
        EXPECT_NE(Bytes(Data(name)), kNewPage) << "the data folder's own stays";
    }
    EXPECT_EQ(Bytes(kStore + std::wstring(L"clbanner.xml")), kRemoved);
    EXPECT_EQ(files.createdFolders, std::vector<std::wstring>(3, kStore));
    EXPECT_EQ(boxes.shown.size(), 1u) << "the confirmation only";
    EXPECT_TRUE(view.closed) << "after the confirmation, when set";
    EXPECT_FALSE(view.visible[C::cbtnRemoveBanner]);

    FakeMainView nextView;
    app::frmMain next{program, nextView};
    next.Form_Load();
    EXPECT_FALSE(nextView.visible[C::cbtnRemoveBanner]);
}

TEST_F(VirtualStoreTest, ExistingCopyIsRewrittenAndTheDataFolderWhereTheUserMayWriteIt) {
    for (const bool elevated : {false, true}) {
        Copies(kOld);
        files.Put(Data(L"climage.html"), "<html>old</html>");
        if (elevated) files.refusing.clear();
        Load();
        main.cbtnApply_Click();
        main.cbtnRemoveBanner_Click();
        EXPECT_EQ(Bytes(kStore + std::wstring(L"climage.html")) + Bytes(kStore + std::wstring(L"banners.xml")),
                  kNewPage + kRemoved);
        EXPECT_EQ(Bytes(Data(L"climage.html")) == kNewPage, elevated);
        EXPECT_EQ(Bytes(Data(L"banners.xml")) == kRemoved, elevated);
        EXPECT_TRUE(reportWindow.text.empty()) << reportWindow.text;
    }
}

TEST_F(VirtualStoreTest, BannerCheckReadsTheCopyOfAVirtualizedClientOnly) {
    for (const wchar_t* name : {L"banners.xml", L"clbanner.xml"}) files.files[Data(name)].attributes = platform::kHidden;
    Copies(kOld);
    Load();
    EXPECT_TRUE(view.visible[C::cbtnRemoveBanner]) << "the client reads the copies, which are not hidden";
    Client(ProgramFile("asinvoker32.exe"));
    Load();
    EXPECT_FALSE(view.visible[C::cbtnRemoveBanner]);
}

TEST_F(VirtualStoreTest, NoWayToTheClientsFilesAsksToStartAsAdministratorAndChangesNothing) {
    const std::function<void()> arrangements[] = {
        [&] { Client(ProgramFile("asinvoker32.exe")); },
        [&] { Client(ProgramFile("bits64.exe")); },
        [&] { files.refusing.push_back(L"C:\\Users\\Anna\\AppData\\Local\\VirtualStore\\"); },
        [&] { registry.Put(kMachine, kPolicies, L"EnableLUA", platform::kRegDword, {0, 0, 0, 0}); },
    };
    for (const auto& arrange : arrangements) {
        SetUp();
        arrange();
        Load();
        program.intLanguage = 1;
        boxes.answer = platform::MessageResult::Yes;
        starter.elevationGranted = false;  // refused or cancelled
        main.cbtnApply_Click();
        main.cbtnRemoveBanner_Click();
        ASSERT_EQ(boxes.shown.size(), 2u) << boxes.shown[0].text;
        EXPECT_EQ(boxes.shown[1].text, L"Kalvex 3 darf die Dateien von ICQ Lite in " + std::wstring(kDataFolder) +
                                           L" nicht ändern. Dafür sind Administratorrechte nötig. Kalvex 3 als "
                                           L"Administrator starten?");
        EXPECT_TRUE(boxes.shown[0].buttons == platform::MessageButtons::YesNo &&
                    boxes.shown[0].icon == platform::MessageIcon::Exclamation);
        EXPECT_EQ(Bytes(Data(L"climage.html")), "<html>old</html>");
        EXPECT_EQ(Bytes(kStore + std::wstring(L"climage.html")), "none");
        EXPECT_EQ(Bytes(Data(L"banners.xml")), kOld);
        EXPECT_EQ(Stored(L"PicturePath"), std::nullopt);
        EXPECT_TRUE(view.visible[C::cbtnRemoveBanner]);
        EXPECT_TRUE(reportWindow.text.empty()) << reportWindow.text;
        EXPECT_FALSE(view.closed);
    }
    program.intLanguage = 2;
    starter.elevationGranted = true;
    main.cbtnApply_Click();
    EXPECT_EQ(boxes.shown.back().text, L"Kalvex 3 may not change the files of ICQ Lite in " + std::wstring(kDataFolder) +
                                           L". This needs administrator rights. Start Kalvex 3 as administrator?");
    EXPECT_EQ(starter.elevations, 9);
    EXPECT_TRUE(view.closed);
}

}  // namespace
