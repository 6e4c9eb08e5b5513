// Apply, Remove Banner and the banner check for a standard user, whose client's data folder
// refuses writes: a client that Windows virtualizes or not, a VirtualStore copy or none, a
// data folder or VirtualStore that takes the change or refuses it; and the reader that tells
// the kinds of client program apart.

#include "app/program_kind.h"
#include "support/client_page_text.h"
#include "support/program_file.h"
#include "support/program_fixture.h"

using namespace testing_support;
using app::ProgramKind;
using C = app::MainControl;

namespace {

TEST(ProgramKindTest, OnlyA32BitProgramNamingNoExecutionLevelIsLegacy) {
    const std::string declared = ProgramFile(false, kAsInvokerManifest);
    const std::pair<std::string, ProgramKind> cases[] = {
        {ProgramFile(false), ProgramKind::Legacy32},
        {ProgramFile(false, "<assembly><dependency/></assembly>"), ProgramKind::Legacy32},
        {ProgramFile(false, "<!-- <requestedExecutionLevel level=\"asInvoker\"/> --><assembly/>"), ProgramKind::Legacy32},
        {declared, ProgramKind::Declared32},
        {ProgramFile(true), ProgramKind::Bits64},
        {"MZ", ProgramKind::NotAProgram},
        {"GIF89a", ProgramKind::NotAProgram},
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

class VirtualStoreTest : public ProgramFixture {
protected:
    void SetUp() override {
        InstallClient();
        Client(ProgramFile(false));
        files.refusing = {kClientFolder};
    }
    void Client(const std::string& program) { files.Put(std::wstring(kClientFolder) + L"ICQLite.exe", program); }
    void Load() {
        main.Form_Load();
        boxes.shown.clear();
    }
    std::string Bytes(const std::wstring& path) { return files.files.count(path) ? files.files[path].bytes : "none"; }
    bool Hidden(const std::wstring& path) { return files.files.count(path) && files.files[path].attributes & platform::kHidden; }
    void Copies(const std::string& bytes) {
        for (const wchar_t* name : {L"climage.html", L"banners.xml", L"clbanner.xml"})
            files.Put(kStore + std::wstring(name), bytes);
    }
};

TEST_F(VirtualStoreTest, LegacyClientGetsItsFilesInTheVirtualStoreAndTheNextStartSeesThem) {
    Load();
    EXPECT_TRUE(view.visible[C::cbtnRemoveBanner]);
    main.cbtnApply_Click();
    main.cbtnRemoveBanner_Click();
    EXPECT_EQ(Bytes(kStore + std::wstring(L"climage.html")), kNewPage);
    for (const wchar_t* name : {L"climage.html", L"banners.xml", L"clbanner.xml"}) {
        EXPECT_TRUE(Hidden(kStore + std::wstring(name))) << name;
        EXPECT_NE(Bytes(Data(name)), kNewPage) << "the data folder's own stays";
    }
    EXPECT_EQ(Bytes(kStore + std::wstring(L"clbanner.xml")), kRemoved);
    EXPECT_EQ(files.createdFolders, std::vector<std::wstring>(3, kStore));
    EXPECT_EQ(Stored(L"PicturePath"), Data(L"climage.gif"));
    EXPECT_EQ(boxes.shown.size(), 1u) << "the confirmation only";
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
        EXPECT_EQ(Bytes(kStore + std::wstring(L"climage.html")), kNewPage);
        EXPECT_EQ(Bytes(kStore + std::wstring(L"banners.xml")), kRemoved);
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
    Client(ProgramFile(false, kAsInvokerManifest));
    Load();
    EXPECT_FALSE(view.visible[C::cbtnRemoveBanner]);
}

TEST_F(VirtualStoreTest, NoWayToTheClientsFilesAsksToStartAsAdministratorAndChangesNothing) {
    const std::function<void()> arrangements[] = {
        [&] { Client(ProgramFile(false, kAsInvokerManifest)); },
        [&] { Client(ProgramFile(true)); },
        [&] { files.refusing.push_back(L"C:\\Users\\Anna\\AppData\\Local\\VirtualStore\\"); },
        [&] {
            registry.Put(kMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", L"EnableLUA",
                         platform::kRegDword, {0, 0, 0, 0});
        },
    };
    for (const auto& arrange : arrangements) {
        SetUp();
        arrange();
        Load();
        program.intLanguage = 1;
        boxes.answer = platform::MessageResult::No;
        main.cbtnApply_Click();
        main.cbtnRemoveBanner_Click();
        ASSERT_EQ(boxes.shown.size(), 2u) << boxes.shown[0].text;
        EXPECT_EQ(boxes.shown[1].text, L"Kalvex 3 darf die Dateien von ICQ Lite in " + std::wstring(kDataFolder) +
                                           L" nicht ändern. Dafür sind Administratorrechte nötig. Kalvex 3 als "
                                           L"Administrator starten?");
        EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(Bytes(Data(L"climage.html")), "<html>old</html>");
        EXPECT_EQ(Bytes(kStore + std::wstring(L"climage.html")), "none");
        EXPECT_EQ(Bytes(Data(L"banners.xml")), kOld);
        EXPECT_EQ(Stored(L"PicturePath"), std::nullopt);
        EXPECT_TRUE(view.visible[C::cbtnRemoveBanner]);
        EXPECT_TRUE(reportWindow.text.empty()) << reportWindow.text;
        EXPECT_EQ(starter.elevations, 0);
    }
}

TEST_F(VirtualStoreTest, YesStartsElevatedAndClosesOnceThatStarted) {
    Client(ProgramFile(true));
    Load();
    boxes.answer = platform::MessageResult::Yes;
    starter.elevationGranted = false;
    main.cbtnApply_Click();
    EXPECT_FALSE(view.closed) << "refused or cancelled";
    starter.elevationGranted = true;
    main.cbtnApply_Click();
    EXPECT_EQ(boxes.shown[0].text, L"Kalvex 3 may not change the files of ICQ Lite in " + std::wstring(kDataFolder) +
                                       L". This needs administrator rights. Start Kalvex 3 as administrator?");
    EXPECT_EQ(starter.elevations, 2);
    EXPECT_TRUE(view.closed);
}

TEST_F(VirtualStoreTest, RegistrationInTheRegistrysVirtualStoreIsFound) {
    registry = MemoryRegistry();
    registry.PutText(kUser, L"Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\WOW6432Node\\Mirabilis\\ICQ\\ICQLite",
                     L"FileName", std::wstring(kClientFolder) + L"Bin\\ICQLite.exe");
    EXPECT_EQ(main.GetICQPath(), kClientFolder);
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
