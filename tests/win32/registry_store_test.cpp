// The settings store against the real registry of the test's Wine prefix, and the start of
// regedit with arguments that hold blanks.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/registry_store.h"
#include "app/settings_table.h"
#include "platform/win32/command_line.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/registry.h"

using app::clsReg;

namespace {

// Each test works below a RegBase of its own and removes it again.
class Win32RegistryStoreTest : public ::testing::Test {
protected:
    platform::Win32Registry registry;
    platform::Win32ProcessStarter starter;
    clsReg objReg{registry, starter};
    std::wstring testBase;

    void UseOwnBranchBelow(const std::wstring& regBase) {
        testBase = L"SOFTWARE\\" + regBase;
        RegDeleteTreeW(HKEY_CURRENT_USER, testBase.c_str());
        objReg.SetMainBranch(L"SOFTWARE");
        objReg.SetRootKey(platform::kHkeyCurrentUser);
        objReg.SetRegBase(regBase);
        objReg.SetProgram(L"ICQLiteKalvex");
        objReg.SetSection(L"Settings");
    }
    std::wstring OwnKey() const { return testBase + L"\\ICQLiteKalvex\\Settings"; }
    void TearDown() override {
        if (!testBase.empty()) RegDeleteTreeW(HKEY_CURRENT_USER, testBase.c_str());
    }
    static bool KeyExists(HKEY root, const std::wstring& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
};

TEST_F(Win32RegistryStoreTest, CreatesTheOwnBranchWithItsParentsAndKeepsEveryCharacter) {
    UseOwnBranchBelow(L"kalvex-test-own.invalid");
    EXPECT_EQ(objReg.ReadEntry(L"PicturePath", L"default"), L"default");
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, testBase));

    const std::wstring strPath = L"C:\\Bilder\\Grüße Ärger Öl\\Жук \U0001F600.jpg";
    objReg.WriteEntry(L"PicturePath", strPath);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, testBase + L"\\ICQLiteKalvex"));
    EXPECT_EQ(objReg.ReadEntry(L"PicturePath", L"default"), strPath);

    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, OwnKey().c_str(), L"PicturePath", RRF_RT_ANY | RRF_NOEXPAND, &type,
                           nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, (strPath.size() + 1) * sizeof(wchar_t));
}

TEST_F(Win32RegistryStoreTest, ReadsTheClientsFileNameBelowLocalMachine) {
    const wchar_t* clientKey = L"SOFTWARE\\Mirabilis\\ICQ\\ICQLite";
    const bool ownedByTest = !KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Mirabilis");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, clientKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    // The client writes through the single-byte functions.
    const char fileName[] = "C:\\Program Files\\ICQLite\\ICQLite.exe";
    RegSetValueExA(key, "FileName", 0, REG_SZ, reinterpret_cast<const BYTE*>(fileName), sizeof fileName);
    RegCloseKey(key);

    const auto& branch = app::settings::kClientBranch;
    objReg.SetMainBranch(branch.mainBranch);
    objReg.SetRootKey(branch.rootKey);
    objReg.SetRegBase(branch.regBase);
    objReg.SetProgram(branch.program);
    objReg.SetSection(branch.section);
    EXPECT_EQ(objReg.ReadEntry(app::settings::kFileName.name, app::settings::kFileName.readDefault),
              L"C:\\Program Files\\ICQLite\\ICQLite.exe");

    if (ownedByTest) RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Mirabilis");
}

TEST_F(Win32RegistryStoreTest, ReadsNumbersAsDecimalTextAndExpandableTextAsMissing) {
    UseOwnBranchBelow(L"kalvex-test-types.invalid");
    objReg.WriteEntry(L"Language", L"2");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, OwnKey().c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const DWORD five = 5;
    const DWORD allBits = 0xFFFFFFFF;
    const wchar_t expandable[] = L"%TEMP%\\a.jpg";
    RegSetValueExW(key, L"Five", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&five), sizeof five);
    RegSetValueExW(key, L"AllBits", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&allBits), sizeof allBits);
    RegSetValueExW(key, L"Expandable", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable), sizeof expandable);
    RegCloseKey(key);

    EXPECT_EQ(objReg.ReadEntry(L"Five", L"d"), L"5");
    EXPECT_EQ(objReg.ReadEntry(L"AllBits", L"d"), L"-1");
    EXPECT_EQ(objReg.ReadEntry(L"Expandable", L"d"), L"d");
    EXPECT_EQ(objReg.ReadEntry(L"Language", L"0"), L"2");
}

TEST(CommandLineTest, SplitsBackIntoExactlyTheArgumentsGiven) {
    const std::vector<std::wstring> arguments{L"/E",       L"C:\\Eigene Dateien\\a b.reg", L"plain",  L"",
                                              L"dir\\ x\\", L"say \"hi\"",                 L"a\\\\\"b", L"Жук 😀"};
    int count = 0;
    LPWSTR* parsed = CommandLineToArgvW(platform::CommandLine(L"C:\\Program Files\\x.exe", arguments).c_str(), &count);
    ASSERT_NE(parsed, nullptr);
    ASSERT_EQ(count, static_cast<int>(arguments.size()) + 1);
    EXPECT_STREQ(parsed[0], L"C:\\Program Files\\x.exe");
    for (std::size_t i = 0; i < arguments.size(); ++i) EXPECT_EQ(parsed[i + 1], arguments[i]) << i;
    LocalFree(parsed);
    EXPECT_EQ(platform::CommandLine(L"regedit", {L"/I", L"/S", L"C:\\a.reg"}), L"regedit /I /S C:\\a.reg");
}

TEST_F(Win32RegistryStoreTest, ExportNodeHandsFileAndNodeWithBlanksToRegedit) {
    const std::wstring node = L"Software\\kalvex export test.invalid";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, node.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Marker", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4);
    RegCloseKey(key);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"kalvex export test.reg";
    DeleteFileW(file.c_str());

    objReg.ExportNode(L"HKEY_CURRENT_USER\\" + node, file);

    // regedit writes UTF-16; wait until the node's value has arrived.
    const std::wstring expected = L"\"Marker\"=\"x\"";
    std::wstring text;
    for (int attempt = 0; attempt < 200 && text.find(expected) == std::wstring::npos; ++attempt) {
        Sleep(50);
        std::ifstream in(std::filesystem::path(file), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        text.assign(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    }
    EXPECT_NE(text.find(L"[HKEY_CURRENT_USER\\" + node + L"]"), std::wstring::npos);
    EXPECT_NE(text.find(expected), std::wstring::npos);
    RegDeleteTreeW(HKEY_CURRENT_USER, node.c_str());
    DeleteFileW(file.c_str());
}

}  // namespace
