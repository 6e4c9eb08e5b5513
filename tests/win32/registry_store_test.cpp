// The settings store against the real registry of the test's Wine prefix, and the start of
// regedit with arguments that hold blanks. The own branch, its value types and characters
// are checked against Wine's reg tool by registry_crosscheck.sh.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "app/registry_store.h"
#include "app/settings_table.h"
#include "platform/win32/command_line.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/registry.h"

using app::clsReg;

namespace {

class Win32RegistryStoreTest : public ::testing::Test {
protected:
    platform::Win32Registry registry;
    platform::Win32ProcessStarter starter;
    clsReg objReg{registry, starter};
};

// The tests' prefix is a 64-bit one, with its two views, whichever bitness the test is built for.
TEST_F(Win32RegistryStoreTest, ReadsTheClientsFileNameBelowLocalMachineInTheViewItWasWrittenTo) {
    const auto& branch = app::settings::kClientBranch;
    objReg.SetMainBranch(branch.mainBranch);
    objReg.SetRootKey(branch.rootKey);
    objReg.SetRegBase(branch.regBase);
    objReg.SetProgram(branch.program);
    objReg.SetSection(branch.section);
    using platform::RegistryView;
    for (const auto& [written, other] : {std::pair{RegistryView::Bits32, RegistryView::Bits64},
                                         std::pair{RegistryView::Bits64, RegistryView::Bits32}}) {
        const REGSAM view = written == RegistryView::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Mirabilis", 0, KEY_READ | view, &key),
                  ERROR_FILE_NOT_FOUND);
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Mirabilis\\ICQ\\ICQLite", 0, nullptr, 0,
                                  KEY_SET_VALUE | view, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        // The client writes through the single-byte functions.
        const char fileName[] = "C:\\Program Files (x86)\\ICQLite\\ICQLite.exe";
        RegSetValueExA(key, "FileName", 0, REG_SZ, reinterpret_cast<const BYTE*>(fileName), sizeof fileName);
        RegCloseKey(key);

        objReg.SetView(written);
        EXPECT_EQ(objReg.ReadEntry(app::settings::kFileName.name, L""), L"C:\\Program Files (x86)\\ICQLite\\ICQLite.exe");
        objReg.SetView(other);
        EXPECT_EQ(objReg.ReadEntry(app::settings::kFileName.name, L""), L"");
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Mirabilis\\ICQ\\ICQLite", view, 0);
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Mirabilis\\ICQ", view, 0);
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Mirabilis", view, 0);
    }
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
