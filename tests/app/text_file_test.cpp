// Whole-file text access on real files in a temporary folder.

#include <gtest/gtest.h>

#include "app/text_file.h"
#include "errors/err_trace.h"
#include "support/attribute_bits_file_system.h"
#include "support/report_lines.h"
#include "support/temp_folder.h"

using testing_support::CallStackNames;
using Names = std::vector<std::wstring>;

namespace {

class TextFileTest : public ::testing::Test {
protected:
    testing_support::TempFolder folder;
    testing_support::RealFileSystem real;
    testing_support::AttributeBitsFileSystem files{real};
    testing_support::RealCodePage codePage;
    app::clsFile objFile{files, codePage};
    errors::ErrTraceScope errTrace{{}};
};

TEST_F(TextFileTest, TextIsStoredAsAnsiBytesAndReadBack) {
    objFile.OpenForOutput(folder.File(L"t.txt"), L"Grüße € <x>");
    EXPECT_EQ(folder.Bytes(L"t.txt"), "Gr\xFC\xDF" "e \x80 <x>");
    EXPECT_EQ(objFile.OpenForInput(folder.File(L"t.txt")), L"Grüße € <x>");

    folder.Put(L"empty.txt", "");
    EXPECT_EQ(objFile.OpenForInput(folder.File(L"empty.txt")), L"");
}

TEST_F(TextFileTest, CharactersOutsideTheCodePageBecomeTheDefaultCharacterNotALookAlike) {
    // U+0100 and the full-width quote U+FF02 have look-alikes in the code page: A and ".
    objFile.OpenForOutput(folder.File(L"t.txt"), L"a\u0100\u4E2D\uFF02b");
    EXPECT_EQ(folder.Bytes(L"t.txt"), "a???b");
}

TEST_F(TextFileTest, WritingLeavesExactlyTheNewBodyEvenInAHiddenFile) {
    folder.Put(L"t.txt", std::string(30, 'o'));
    files.SetAttributes(folder.File(L"t.txt"), platform::kHidden);
    objFile.OpenForOutput(folder.File(L"t.txt"), L"0123456789");
    EXPECT_EQ(folder.Bytes(L"t.txt"), "0123456789");
    objFile.OpenForOutput(folder.File(L"t.txt"), L"");
    EXPECT_EQ(folder.Bytes(L"t.txt"), "");

    objFile.OpenForOutput(folder.File(L"new.txt"), L"");
    EXPECT_EQ(folder.Names(), (Names{L"new.txt", L"t.txt"}));
}

TEST_F(TextFileTest, ReadingAMissingFileFailsWithFileNotFoundAndCreatesNothing) {
    const std::wstring path = folder.File(L"missing.txt");
    try {
        objFile.OpenForInput(path);
        FAIL() << "a missing file must fail";
    } catch (const errors::Error& e) {
        EXPECT_EQ(e.record().number, 53);
        EXPECT_EQ(CallStackNames(e.record().description), Names{L"clsFile.OpenForInput"});
        EXPECT_NE(e.record().description.find(L"'" + path + L"'"), std::wstring::npos);
    }
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(TextFileTest, WritingIntoAMissingFolderReachesTheCallerWithTheSystemError) {
    try {
        objFile.OpenForOutput(folder.File(L"gone/t.txt"), L"body");
        FAIL() << "a missing folder must fail";
    } catch (const errors::Error& e) {
        EXPECT_EQ(e.record().number, 76);
        EXPECT_EQ(e.record().source, L"ErrTrace.ErrorIn");
        EXPECT_EQ(CallStackNames(e.record().description), Names{L"clsFile.OpenForOutput"});
        EXPECT_NE(e.record().description.find(L"  API Error: (3)"), std::wstring::npos);
        EXPECT_NE(e.record().description.find(L"strBody='body')"), std::wstring::npos);
    }
}

TEST_F(TextFileTest, OnlyOrdinaryFilesAtTheLiteralPathExist) {
    for (const wchar_t* name : {L"plain.txt", L"readonly.txt", L"hidden.txt", L"system.txt"}) folder.Put(name, "x");
    files.SetAttributes(folder.File(L"readonly.txt"), platform::kReadOnly);
    files.SetAttributes(folder.File(L"hidden.txt"), platform::kHidden);
    files.SetAttributes(folder.File(L"system.txt"), platform::kSystem);
    std::filesystem::create_directory(folder.File(L"sub"));

    EXPECT_TRUE(objFile.FileExists(folder.File(L"plain.txt")));
    EXPECT_TRUE(objFile.FileExists(folder.File(L"readonly.txt")));
    for (const wchar_t* name : {L"hidden.txt", L"system.txt", L"sub", L"missing.txt", L"*.txt", L"plai?.txt",
                                L"gone/plain.txt"})
        EXPECT_FALSE(objFile.FileExists(folder.File(name))) << name;
}

}  // namespace
