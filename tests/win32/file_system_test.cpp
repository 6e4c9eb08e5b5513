// The Windows file layer on real files of the Wine file system. Patterns, folders and
// missing files are checked on this layer too by the portable text file tests run here;
// how the client's page is written, by the portable tests of the page.

#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "app/client_page.h"
#include "exception/error.h"
#include "errors/err_trace.h"
#include "errors/frame.h"
#include "platform/win32/code_page.h"
#include "platform/win32/file_system.h"
#include "support/fake_system_info.h"
#include "support/fake_ui_services.h"
#include "support/memory_registry.h"
#include "support/recording_report_window.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

constexpr DWORD kFlagBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class Win32FileSystemTest : public ::testing::Test {
protected:
    testing_support::TempFolder folder;
    Win32FileSystem files;
    const std::wstring path = folder.File(L"f.txt");

    void SetUp() override { folder.Put(L"f.txt", "x"); }
    DWORD SystemFlags() const { return GetFileAttributesW(path.c_str()) & kFlagBits; }
};

TEST_F(Win32FileSystemTest, FlagsAreWrittenAndReadAndHiddenOrSystemFilesAreThereButNotOrdinary) {
    const std::pair<std::int32_t, DWORD> flags[] = {{kReadOnly, FILE_ATTRIBUTE_READONLY},
                                                    {kHidden, FILE_ATTRIBUTE_HIDDEN},
                                                    {kSystem, FILE_ATTRIBUTE_SYSTEM},
                                                    {kNormal, 0}};
    for (auto [flag, bits] : flags) {
        files.SetAttributes(path, flag);
        EXPECT_EQ(SystemFlags(), bits) << flag;
        EXPECT_EQ(files.Attributes(path) & 7, flag) << flag;
        EXPECT_EQ(files.NormalFileExists(path), flag == kReadOnly || flag == kNormal) << flag;
        EXPECT_TRUE(files.FileExists(path)) << flag;
    }
    EXPECT_FALSE(files.FileExists(folder.Path()));
    EXPECT_FALSE(files.FileExists(folder.File(L"missing.txt")));
}

TEST_F(Win32FileSystemTest, AReadOnlyFileIsNotDeletedWithoutForce) {
    files.SetAttributes(path, kReadOnly);
    try {
        files.Delete(path);
        FAIL() << "a read-only file must be refused";
    } catch (const errors::Error& e) {
        EXPECT_EQ(e.record().number, 70);
        EXPECT_EQ(e.record().lastSystemError, ERROR_ACCESS_DENIED);
    }
    EXPECT_EQ(folder.Bytes(L"f.txt"), "x");
    files.SetAttributes(path, kNormal);
    files.Delete(path);
    EXPECT_TRUE(folder.Names().empty());
}

// A page that another program holds open cannot be replaced: it stays as it was, with its
// flags, and no file of the attempt is left beside it. Once free, it is replaced.
TEST_F(Win32FileSystemTest, ClientPageHeldOpenIsKeptByteForByteUntilItIsFree) {
    Win32AnsiCodePage codePage;
    app::clsFile objFile{files, codePage};
    testing_support::MemoryRegistry registry;
    testing_support::FakeEnvironment environment;
    app::clsKalvex3 objChanger{objFile, files, {files, registry, environment}};
    testing_support::FakeSystemInfo system;
    testing_support::RecordingReportWindow window;
    errors::ErrTraceScope errTrace{{.system = &system, .reportWindow = &window}};
    const std::wstring dataFolder = folder.File(L"LiteDataFiles\\");
    CreateDirectoryW(dataFolder.c_str(), nullptr);
    folder.Put(L"LiteDataFiles\\climage.html", "old");
    files.SetAttributes(dataFolder + L"climage.html", kReadOnly | kHidden);
    const auto apply = [&] {
        errors::Frame frame(L"frmMain.cbtnApply_Click", errors::EventHandler);
        frame.run([&] { objChanger.ChangePicture(L"C:\\Pics\\me.jpg", dataFolder, L"x.example"); });
    };

    HANDLE held = CreateFileW((dataFolder + L"climage.html").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    apply();
    CloseHandle(held);
    EXPECT_TRUE(window.text.starts_with(L"Permission denied \r\n")) << window.text;
    EXPECT_EQ(folder.Bytes(L"LiteDataFiles\\climage.html"), "old");
    EXPECT_EQ(files.Attributes(dataFolder + L"climage.html") & 7, kReadOnly | kHidden);
    EXPECT_EQ(folder.Names(L"LiteDataFiles"), std::vector<std::wstring>{L"climage.html"});

    window.text.clear();
    apply();
    EXPECT_EQ(window.text, L"");
    EXPECT_TRUE(folder.Bytes(L"LiteDataFiles\\climage.html").starts_with("<html>"));
}

}  // namespace
