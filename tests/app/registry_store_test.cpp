// The settings store over an in-memory registry.

#include <gtest/gtest.h>

#include "app/registry_store.h"
#include "app/registry_text.h"
#include "app/settings_table.h"
#include "support/memory_registry.h"

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr wchar_t kOwnKey[] = L"SOFTWARE\\www.kalvex.example\\ICQLiteKalvex\\Settings";

class RegistryStoreTest : public ::testing::Test {
protected:
    testing_support::MemoryRegistry registry;
    testing_support::RecordingProcessStarter starter;
    app::clsReg objReg{registry, starter};

    void SelectBranch(const app::settings::Branch& branch) {
        objReg.SetMainBranch(branch.mainBranch);
        objReg.SetRootKey(branch.rootKey);
        objReg.SetRegBase(branch.regBase);
        objReg.SetProgram(branch.program);
        objReg.SetSection(branch.section);
    }
    void TearDown() override { EXPECT_EQ(registry.OpenKeyCount(), 0u) << "every key opened is closed again"; }
};

// A text loses only its one terminating NUL and a number reads as signed decimal; other
// types, empty texts and values that cannot be read give the default.
TEST_F(RegistryStoreTest, ReadsTextsAndNumbersAndGivesTheDefaultForEverythingElse) {
    SelectBranch(app::settings::kOwnBranch);
    EXPECT_EQ(objReg.ReadEntry(L"Value", L"d"), L"d") << "no key yet";
    const struct {
        std::uint32_t type;
        Bytes data;
        std::wstring read;
    } cases[] = {
        {platform::kRegSz, app::RegistryBytes(L"C:\\a.jpg\0"s), L"C:\\a.jpg"},
        {platform::kRegSz, app::RegistryBytes(L"ab\0\0"s), L"ab\0"s},
        {platform::kRegSz, app::RegistryBytes(L"\0"s), L"d"},
        {platform::kRegDword, {5, 0, 0, 0}, L"5"},
        {platform::kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, L"-1"},
        {platform::kRegDword, {1, 0, 0, 0, 0, 0, 0, 0}, L"d"},
        {platform::kRegExpandSz, app::RegistryBytes(L"%TEMP%"), L"d"},
        {platform::kRegSz, app::RegistryBytes(L"C:\\b.jpg"), L"C:\\b.jpg"},  // last: read once more, failing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        registry.Put(kHkeyCurrentUser, kOwnKey, L"Value", c.type, c.data);
        EXPECT_EQ(objReg.ReadEntry(L"Value", L"d"), c.read);
    }
    registry.failQueryData = true;
    EXPECT_EQ(objReg.ReadEntry(L"Value", L"d"), L"d");
}

// A key the user may only read, like HKEY_LOCAL_MACHINE without admin rights, is still read;
// what cannot be written is lost silently.
TEST_F(RegistryStoreTest, ReadsAKeyThatCannotBeWrittenAndLosesWritesSilently) {
    registry.PutText(kHkeyLocalMachine, L"SOFTWARE\\Mirabilis\\ICQ\\ICQLite", L"FileName", L"C:\\ICQLite\\ICQLite.exe");
    SelectBranch(app::settings::kClientBranch);
    registry.failCreateKey = true;
    EXPECT_NO_THROW(objReg.WriteEntry(L"FileName", L"elsewhere"));
    EXPECT_EQ(objReg.ReadEntry(L"FileName", L""), L"C:\\ICQLite\\ICQLite.exe");

    registry.failCreateKey = false;
    registry.failSetValue = true;
    EXPECT_NO_THROW(objReg.WriteEntry(L"FileName", L"elsewhere"));
    EXPECT_EQ(objReg.ReadEntry(L"FileName", L""), L"C:\\ICQLite\\ICQLite.exe");
}

TEST_F(RegistryStoreTest, WritesTextAsUtf16WithOneNul) {
    SelectBranch(app::settings::kOwnBranch);
    const std::wstring strPicturePath = L"C:\\Bilder\\Grüße Жук \U0001F600.jpg";
    objReg.WriteEntry(L"PicturePath", strPicturePath);
    objReg.WriteEntry(L"URL", L"");

    const auto stored = registry.Get(kHkeyCurrentUser, kOwnKey, L"PicturePath");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, platform::kRegSz);
    const Bytes tail{0x3D, 0xD8, 0x00, 0xDE, '.', 0, 'j', 0, 'p', 0, 'g', 0, 0, 0};
    ASSERT_EQ(stored->data.size(), 2u * 27);  // the emoji takes two code units
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), stored->data.end() - 14));
    EXPECT_EQ(registry.Get(kHkeyCurrentUser, kOwnKey, L"URL")->data, (Bytes{0, 0}));
    EXPECT_EQ(objReg.ReadEntry(L"PicturePath", L""), strPicturePath);
}

// The export, with blanks in file and node, is checked against the real regedit under Wine.
TEST_F(RegistryStoreTest, HandsTheImportFileToRegeditAsOneArgument) {
    objReg.ImportNode(L"C:\\Eigene Dateien\\kalvex.reg");
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].program, L"regedit");
    EXPECT_EQ(starter.started[0].arguments, (std::vector<std::wstring>{L"/I", L"/S", L"C:\\Eigene Dateien\\kalvex.reg"}));
}

}  // namespace
