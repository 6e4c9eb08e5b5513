// The client's picture page on real files of the Wine file system, with the report that a
// failure ends in. Failures of the write itself are followed by the portable tests, which
// run on this file system too.

#include <gtest/gtest.h>

#include <windows.h>

#include "app/client_page.h"
#include "errors/err_trace.h"
#include "errors/frame.h"
#include "platform/win32/code_page.h"
#include "platform/win32/file_system.h"
#include "support/fake_system_info.h"
#include "support/recording_report_window.h"
#include "support/temp_folder.h"

using Names = std::vector<std::wstring>;

namespace {

const std::string kOldPage(500, 'o');

class ClientPageFilesTest : public ::testing::Test {
protected:
    testing_support::TempFolder folder;
    platform::Win32FileSystem real;
    platform::Win32AnsiCodePage codePage;
    app::clsFile objFile{real, codePage};
    app::clsKalvex3 objChanger{objFile, real};
    testing_support::FakeSystemInfo system;
    testing_support::RecordingReportWindow window;
    errors::ErrTraceScope errTrace{{.system = &system, .reportWindow = &window}};
    const std::wstring dataFolder = folder.File(L"LiteDataFiles\\");
    const std::wstring page = dataFolder + L"climage.html";

    void SetUp() override {
        CreateDirectoryW(dataFolder.c_str(), nullptr);
        folder.Put(L"LiteDataFiles\\climage.html", kOldPage);
        real.SetAttributes(page, platform::kReadOnly | platform::kHidden);
    }

    DWORD PageFlags() const {
        return GetFileAttributesW(page.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    }

    void cbtnApply_Click() {
        errors::Frame frame(L"frmMain.cbtnApply_Click", errors::EventHandler);
        frame.run([&] {
            frame.at(40);
            objChanger.ChangePicture(L"C:\\Pics\\me.jpg", dataFolder, L"x.example");
        });
    }
};

TEST_F(ClientPageFilesTest, PageHeldOpenIsKeptByteForByteAndOnceFreeIsReplacedAndLeftHiddenOnly) {
    HANDLE held = CreateFileW(page.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    cbtnApply_Click();
    CloseHandle(held);
    EXPECT_TRUE(window.text.starts_with(L"Permission denied \r\n")) << window.text;
    EXPECT_EQ(folder.Bytes(L"LiteDataFiles\\climage.html"), kOldPage);
    EXPECT_EQ(PageFlags(), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(folder.Names(L"LiteDataFiles"), Names{L"climage.html"});

    window.text.clear();
    cbtnApply_Click();
    EXPECT_TRUE(window.text.empty()) << window.text;
    EXPECT_TRUE(folder.Bytes(L"LiteDataFiles\\climage.html").starts_with("<html><head><title>ICQ</title>"));
    EXPECT_EQ(PageFlags(), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
}

}  // namespace
