// The settings store over an in-memory registry.

#include <gtest/gtest.h>

#include "app/registry_store.h"
#include "app/settings_table.h"
#include "support/memory_registry.h"
#include "support/recording_process_starter.h"

using app::clsReg;
using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;

namespace {

constexpr wchar_t kOwnKey[] = L"SOFTWARE\\www.kalvex.example\\ICQLiteKalvex\\Settings";

class RegistryStoreTest : public ::testing::Test {
protected:
    testing_support::MemoryRegistry registry;
    testing_support::RecordingProcessStarter starter;
    clsReg objReg{registry, starter};

    void SelectBranch(const app::settings::Branch& branch) {
        objReg.SetMainBranch(branch.mainBranch);
        objReg.SetRootKey(branch.rootKey);
        objReg.SetRegBase(branch.regBase);
        objReg.SetProgram(branch.program);
        objReg.SetSection(branch.section);
    }
    std::wstring PathOfLastRequest() const { return registry.requests.back().path; }
};

TEST_F(RegistryStoreTest, ComposesTheKeyPathFromItsFourPartsBelowTheRoot) {
    objReg.ReadEntry(L"X", L"");
    EXPECT_EQ(registry.requests.back().root, kHkeyLocalMachine);
    EXPECT_EQ(PathOfLastRequest(), L"SOFTWARE\\\\\\Settings");  // empty middle parts stay doubled

    SelectBranch(app::settings::kOwnBranch);
    objReg.WriteEntry(L"X", L"1");
    EXPECT_EQ(registry.requests.back().root, kHkeyCurrentUser);
    EXPECT_EQ(PathOfLastRequest(), kOwnKey);
    SelectBranch(app::settings::kClientBranch);
    objReg.ReadEntry(L"X", L"");
    EXPECT_EQ(PathOfLastRequest(), L"SOFTWARE\\Mirabilis\\ICQ\\ICQLite");

    objReg.SetSection(L"");
    objReg.ReadEntry(L"X", L"");
    EXPECT_EQ(PathOfLastRequest(), L"SOFTWARE\\Mirabilis\\ICQ");
    objReg.SetProgram(L"");
    objReg.WriteEntry(L"X", L"");
    EXPECT_EQ(PathOfLastRequest(), L"SOFTWARE\\Mirabilis\\");
    objReg.SetSection(L"Sub\\");
    objReg.ReadEntry(L"X", L"");
    EXPECT_EQ(PathOfLastRequest(), L"SOFTWARE\\Mirabilis\\\\Sub");
}

TEST_F(RegistryStoreTest, ReadsTextsWithOrWithoutTheirTerminatingNul) {
    SelectBranch(app::settings::kOwnBranch);
    registry.PutText(kHkeyCurrentUser, kOwnKey, L"Terminated", L"C:\\Bilder\\a.jpg");
    registry.PutText(kHkeyCurrentUser, kOwnKey, L"Unterminated", L"C:\\Bilder\\b.jpg", false);
    registry.PutText(kHkeyCurrentUser, kOwnKey, L"TwoNuls", std::wstring(L"ab\0", 3));
    registry.PutText(kHkeyCurrentUser, kOwnKey, L"Empty", L"");

    EXPECT_EQ(objReg.ReadEntry(L"Terminated", L"d"), L"C:\\Bilder\\a.jpg");
    EXPECT_EQ(objReg.ReadEntry(L"unterminated", L"d"), L"C:\\Bilder\\b.jpg");
    EXPECT_EQ(objReg.ReadEntry(L"TwoNuls", L"d"), std::wstring(L"ab\0", 3));
    EXPECT_EQ(objReg.ReadEntry(L"Empty", L"d"), L"d");
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(RegistryStoreTest, ReadsNumbersAsSignedDecimalAndOtherTypesAsMissing) {
    SelectBranch(app::settings::kOwnBranch);
    registry.PutDword(kHkeyCurrentUser, kOwnKey, L"Five", 5);
    registry.PutDword(kHkeyCurrentUser, kOwnKey, L"AllBits", 0xFFFFFFFFu);
    registry.PutDword(kHkeyCurrentUser, kOwnKey, L"Zero", 0);
    registry.Put(kHkeyCurrentUser, kOwnKey, L"Expand", platform::kRegExpandSz, app::RegistryBytes(L"%TEMP%"));
    registry.Put(kHkeyCurrentUser, kOwnKey, L"Binary", platform::kRegBinary, {'4', 0, 0, 0});
    registry.Put(kHkeyCurrentUser, kOwnKey, L"OversizedDword", platform::kRegDword, {1, 0, 0, 0, 0, 0, 0, 0});

    EXPECT_EQ(objReg.ReadEntry(L"Five", L"d"), L"5");
    EXPECT_EQ(objReg.ReadEntry(L"AllBits", L"d"), L"-1");
    EXPECT_EQ(objReg.ReadEntry(L"Zero", L"d"), L"0");
    EXPECT_EQ(objReg.ReadEntry(L"Expand", L"d"), L"d");
    EXPECT_EQ(objReg.ReadEntry(L"Binary", L"d"), L"d");
    EXPECT_EQ(objReg.ReadEntry(L"OversizedDword", L"d"), L"d");
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(RegistryStoreTest, GivesTheDefaultWhenTheValueCannotBeRead) {
    SelectBranch(app::settings::kOwnBranch);
    EXPECT_EQ(objReg.ReadEntry(L"URL", app::settings::kURL.readDefault), app::kMakerWebSite);
    registry.PutText(kHkeyCurrentUser, kOwnKey, L"Language", L"2");
    EXPECT_EQ(objReg.ReadEntry(L"Missing", L"0"), L"0");
    registry.failQueryData = true;
    EXPECT_EQ(objReg.ReadEntry(L"Language", L"0"), L"0");
    registry.failQueryData = false;
    registry.DenyAccess(kHkeyCurrentUser, L"SOFTWARE\\www.kalvex.example");
    EXPECT_EQ(objReg.ReadEntry(L"Language", L"0"), L"0");
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(RegistryStoreTest, ReadsAKeyThatTheUserMayNotWrite) {
    registry.PutText(kHkeyLocalMachine, L"SOFTWARE\\Mirabilis\\ICQ\\ICQLite", L"FileName", L"C:\\ICQLite\\ICQLite.exe");
    registry.DenyWriting(kHkeyLocalMachine, L"SOFTWARE");
    SelectBranch(app::settings::kClientBranch);
    EXPECT_EQ(objReg.ReadEntry(L"FileName", L""), L"C:\\ICQLite\\ICQLite.exe");

    objReg.WriteEntry(L"FileName", L"elsewhere");
    EXPECT_EQ(objReg.ReadEntry(L"FileName", L""), L"C:\\ICQLite\\ICQLite.exe");
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(RegistryStoreTest, WritesTextAsUtf16WithOneNulCreatingEveryMissingKey) {
    SelectBranch(app::settings::kOwnBranch);
    const std::wstring strPicturePath = L"C:\\Bilder\\Grüße Жук \U0001F600.jpg";
    objReg.WriteEntry(L"PicturePath", strPicturePath);
    objReg.WriteEntry(L"URL", L"");

    EXPECT_EQ(strPicturePath, L"C:\\Bilder\\Grüße Жук \U0001F600.jpg");
    for (const wchar_t* key : {L"SOFTWARE", L"SOFTWARE\\www.kalvex.example", L"SOFTWARE\\www.kalvex.example\\ICQLiteKalvex", kOwnKey})
        EXPECT_TRUE(registry.HasKey(kHkeyCurrentUser, key)) << key;
    const auto stored = registry.Get(kHkeyCurrentUser, kOwnKey, L"PicturePath");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, platform::kRegSz);
    const std::vector<std::uint8_t> tail{0x3D, 0xD8, 0x00, 0xDE, '.', 0, 'j', 0, 'p', 0, 'g', 0, 0, 0};
    ASSERT_EQ(stored->data.size(), 2u * 27);  // the emoji takes two code units
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), stored->data.end() - 14));
    EXPECT_EQ(registry.Get(kHkeyCurrentUser, kOwnKey, L"URL")->data, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(objReg.ReadEntry(L"PicturePath", L""), strPicturePath);
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(RegistryStoreTest, LosesTheValueSilentlyWhenTheKeyOrValueCannotBeWritten) {
    SelectBranch(app::settings::kOwnBranch);
    registry.failCreateKey = true;
    EXPECT_NO_THROW(objReg.WriteEntry(L"Language", L"1"));
    EXPECT_FALSE(registry.HasKey(kHkeyCurrentUser, L"SOFTWARE"));

    registry.failCreateKey = false;
    registry.failSetValue = true;
    EXPECT_NO_THROW(objReg.WriteEntry(L"Language", L"1"));
    EXPECT_FALSE(registry.Get(kHkeyCurrentUser, kOwnKey, L"Language"));
    EXPECT_EQ(objReg.ReadEntry(L"Language", L"0"), L"0");
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(RegistryStoreTest, HandsFileAndNodeToRegeditAsSeparateArguments) {
    objReg.ExportNode(L"HKEY_CURRENT_USER\\SOFTWARE\\www.kalvex.example", L"C:\\Eigene Dateien\\kalvex.reg");
    objReg.ImportNode(L"C:\\Eigene Dateien\\kalvex.reg");

    ASSERT_EQ(starter.started.size(), 2u);
    EXPECT_EQ(starter.started[0].program, L"regedit");
    EXPECT_EQ(starter.started[0].arguments, (std::vector<std::wstring>{L"/E", L"C:\\Eigene Dateien\\kalvex.reg",
                                                                       L"HKEY_CURRENT_USER\\SOFTWARE\\www.kalvex.example"}));
    EXPECT_EQ(starter.started[1].program, L"regedit");
    EXPECT_EQ(starter.started[1].arguments,
              (std::vector<std::wstring>{L"/I", L"/S", L"C:\\Eigene Dateien\\kalvex.reg"}));
}

}  // namespace
