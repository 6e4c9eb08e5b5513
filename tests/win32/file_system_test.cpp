// The Windows file layer on real files of the Wine file system. Patterns, folders and
// missing files are checked on this layer too by the portable text file tests run here.

#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "error/error.h"
#include "platform/win32/file_system.h"
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
    files.SetAttributes(path, kReadOnly | kHidden | kSystem);
    EXPECT_EQ(SystemFlags(), kFlagBits);
    EXPECT_EQ(files.Attributes(path) & 7, kReadOnly | kHidden | kSystem);
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

}  // namespace
