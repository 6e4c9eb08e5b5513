// The start of regedit with arguments that hold blanks, through the settings store. The own
// branch, its value types and characters are checked against Wine's reg tool by
// registry_crosscheck.sh; that the client is found in the registry view it registered in,
// by the end-to-end test.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "app/registry_store.h"
#include "platform/win32/command_line.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/registry.h"
#include "support/temp_folder.h"

namespace {

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

TEST(Win32RegistryStoreTest, ExportNodeHandsFileAndNodeWithBlanksToRegedit) {
    platform::Win32Registry registry;
    platform::Win32ProcessStarter starter;
    app::clsReg objReg{registry, starter};
    testing_support::TempFolder folder;
    const std::wstring node = L"Software\\kalvex export test.invalid";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, node.c_str(), L"Marker", REG_SZ, L"x", 4), ERROR_SUCCESS);

    objReg.ExportNode(L"HKEY_CURRENT_USER\\" + node, folder.File(L"kalvex export test.reg"));

    // regedit writes UTF-16; wait until the node's value has arrived.
    const std::wstring expected = L"\"Marker\"=\"x\"";
    std::wstring text;
    for (int attempt = 0; attempt < 200 && text.find(expected) == std::wstring::npos; ++attempt) {
        Sleep(50);
        const std::string bytes = folder.Bytes(L"kalvex export test.reg");
        text.assign(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    }
    EXPECT_NE(text.find(L"[HKEY_CURRENT_USER\\" + node + L"]"), std::wstring::npos);
    EXPECT_NE(text.find(expected), std::wstring::npos);
    RegDeleteTreeW(HKEY_CURRENT_USER, node.c_str());
}

}  // namespace
