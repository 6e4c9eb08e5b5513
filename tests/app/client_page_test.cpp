// The client's files on real files in a temporary folder that plays the client's data
// folder: whole-file text access, the picture page and the banner files.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/client_page.h"
#include "app/text_file.h"
#include "errors/err_trace.h"
#include "support/client_page_text.h"
#include "support/fake_ui_services.h"
#include "support/memory_registry.h"
#include "support/fault_injecting_file_system.h"
#include "support/report_lines.h"
#include "support/temp_folder.h"

using platform::kHidden;
using platform::kReadOnly;
using testing_support::CallStackNames;
using testing_support::ClientPage;
using testing_support::FileOperation;
using Names = std::vector<std::wstring>;

namespace {

constexpr wchar_t kPicture[] = L"C:\\Pics\\me.jpg";
const std::string kOldPage(500, 'o');
const std::wstring kRemovedText = L"<root> <info>Banner removed with Kalvex</info> </root>";

class TextFileTest : public ::testing::Test {
protected:
    testing_support::TempFolder folder;
    testing_support::RealFileSystem real;
    testing_support::FaultInjectingFileSystem files{real};
    testing_support::RealCodePage codePage;
    app::clsFile objFile{files, codePage};
    errors::ErrTraceScope errTrace{{}};
};

// U+0100 and the full-width quote U+FF02 have look-alikes in the code page, A and ", which
// must not be written.
TEST_F(TextFileTest, TextIsStoredAsAnsiBytesWithTheDefaultCharacterForTheRest) {
    objFile.OpenForOutput(folder.File(L"t.txt"), L"Grüße € <x>");
    EXPECT_EQ(folder.Bytes(L"t.txt"), "Gr\xFC\xDF" "e \x80 <x>");
    EXPECT_EQ(objFile.OpenForInput(folder.File(L"t.txt")), L"Grüße € <x>");

    objFile.OpenForOutput(folder.File(L"t.txt"), L"a\u0100\u4E2D\uFF02b");
    EXPECT_EQ(folder.Bytes(L"t.txt"), "a???b");
}

TEST_F(TextFileTest, WritingLeavesExactlyTheNewBodyEvenInAHiddenFile) {
    folder.Put(L"t.txt", std::string(30, 'o'));
    files.SetAttributes(folder.File(L"t.txt"), platform::kHidden);
    objFile.OpenForOutput(folder.File(L"t.txt"), L"0123456789");
    EXPECT_EQ(folder.Bytes(L"t.txt"), "0123456789");
    objFile.OpenForOutput(folder.File(L"t.txt"), L"");
    EXPECT_EQ(objFile.OpenForInput(folder.File(L"t.txt")), L"");

    objFile.OpenForOutput(folder.File(L"new.txt"), L"");
    EXPECT_EQ(folder.Names(), (Names{L"new.txt", L"t.txt"}));
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

class ClientPageTest : public TextFileTest {
protected:
    testing_support::MemoryRegistry registry;
    testing_support::FakeEnvironment environment;
    app::clsKalvex3 objChanger{objFile, files, {files, registry, environment}};
    const std::wstring page = folder.File(L"climage.html");
    const std::wstring banners = folder.File(L"banners.xml");
    const std::wstring clbanner = folder.File(L"clbanner.xml");

    void SetUp() override {
        folder.Put(L"climage.html", kOldPage);
    }

    std::int32_t Flags(const std::wstring& path) { return files.Attributes(path) & (kReadOnly | kHidden | platform::kSystem); }

    errors::ErrorRecord ChangeFailure() {
        try {
            objChanger.ChangePicture(kPicture, folder.Path(), L"x.example\\a");
        } catch (const errors::Error& e) {
            return e.record();
        }
        ADD_FAILURE() << "ChangePicture must fail";
        return {};
    }
};

TEST_F(ClientPageTest, PageHoldsTheNormalisedLinkAndPictureAndEndsHiddenOnly) {
    struct Case {
        const wchar_t* link;
        std::string href, src;
    };
    const Case cases[] = {
        {L"www.example.com\\me.html", "http://www.example.com/me.html", "C:/Pics/me.jpg"},
        {L"HTTP://Example.COM\\a", "HTTP://Example.COM/a", "C:/Pics/me.jpg"},
        {L"", "", "C:\\Pics\\me.jpg"},
    };
    // The first page is shorter than the old, read-only one; the later ones replace a hidden page.
    files.SetAttributes(page, kReadOnly | kHidden);
    for (const Case& c : cases) {
        objChanger.ChangePicture(kPicture, folder.Path(), c.link);
        EXPECT_EQ(folder.Bytes(L"climage.html"), ClientPage(c.href, c.src)) << c.link;
        EXPECT_EQ(Flags(page), kHidden) << c.link;
    }
    EXPECT_EQ(folder.Names(), Names{L"climage.html"});
}

// The client reads references back: a quote cannot end the attribute, an ampersand cannot
// start a reference of its own.
TEST_F(ClientPageTest, QuotesAndAmpersandsAreReferencesAndNothingElseIsEscaped) {
    objChanger.ChangePicture(L"C:\\Tom&copy;\"b.jpg", folder.Path(), L"x.example/?q=\"1\"&r=<2>");
    EXPECT_EQ(folder.Bytes(L"climage.html"),
              ClientPage("http://x.example/?q=&quot;1&quot;&amp;r=<2>", "C:/Tom&amp;copy;&quot;b.jpg"));
}

// Characters the ANSI code page (Windows-1252 here) lacks, in the link, the picture and a
// client folder whose name holds them too: "ICQ 日本", and the picture "café фото😀.jpg" in it.
TEST_F(ClientPageTest, WhatTheCodePageLacksBecomesOneReferencePerCodePointTheRestStaysAsBytes) {
    std::filesystem::create_directory(std::filesystem::path(folder.Path()) / u8"ICQ \u65E5\u672C");
    const std::wstring client = folder.File(L"ICQ \u65E5\u672C") + folder.Path().back();
    files.WriteBytes(client + L"climage.html", "old");
    const std::string clientBytes = std::filesystem::path(folder.Path()).generic_string() + "ICQ &#26085;&#26412;/";
    objChanger.ChangePicture(client + L"caf\u00E9 \u0444\u043E\u0442\u043E\U0001F600.jpg", client,
                             L"x.example/\u20AC\u0444?q=\u65E5\U0001F600\"");
    EXPECT_EQ(files.ReadBytes(client + L"climage.html"),
              ClientPage("http://x.example/\x80&#1092;?q=&#26085;&#128512;&quot;",
                         clientBytes + "caf\xE9 &#1092;&#1086;&#1090;&#1086;&#128512;.jpg"));
}

TEST_F(ClientPageTest, MissingPageFailsBeforeAnythingIsWritten) {
    std::filesystem::remove(page);
    const errors::ErrorRecord error = ChangeFailure();
    EXPECT_EQ(error.number, 53);
    EXPECT_EQ(CallStackNames(error.description), Names{L"clsKalvex3.ChangePicture"});
    EXPECT_NE(error.description.find(L"strLink='x.example\\a')  at Line 30 "), std::wstring::npos);
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(ClientPageTest, FailureAfterThePageWasFoundKeepsTheOldPage) {
    struct Case {
        FileOperation failing;
        std::uint32_t systemCode;
        std::int32_t number;
        Names stack;
    };
    const Case cases[] = {
        {FileOperation::WriteBytes, 112, 61, {L"clsFile.OpenForOutput", L"clsKalvex3.ChangePicture"}},
        {FileOperation::Replace, 32, 70, {L"clsKalvex3.ChangePicture"}},
    };
    for (const Case& c : cases) {
        files.SetAttributes(page, kReadOnly | kHidden);
        files.beforeEach = [&](FileOperation operation, const std::wstring& path) {
            if (operation != c.failing) return;
            if (operation == FileOperation::WriteBytes) real.WriteBytes(path, "<html>");  // as far as the disk had room
            errors::RaiseSystemError(c.systemCode);
        };
        const errors::ErrorRecord error = ChangeFailure();
        files.beforeEach = nullptr;

        EXPECT_EQ(error.number, c.number);
        EXPECT_EQ(CallStackNames(error.description), c.stack);
        EXPECT_NE(error.description.find(L"strPicturePath='C:/Pics/me.jpg'"), std::wstring::npos);
        EXPECT_NE(error.description.find(L"strLink='http://x.example/a')"), std::wstring::npos);
        EXPECT_EQ(folder.Bytes(L"climage.html"), kOldPage);
        EXPECT_EQ(Flags(page), kReadOnly | kHidden);
        EXPECT_EQ(folder.Names(), Names{L"climage.html"}) << "the new page is not left behind";
    }
}

TEST_F(ClientPageTest, BannersCountAsRemovedWhenBothAreHiddenOrOneCannotBeExamined) {
    folder.Put(L"banners.xml", "ads");
    files.SetAttributes(banners, kHidden);
    folder.Put(L"clbanner.xml", "ads");
    EXPECT_FALSE(objChanger.BannerIsRemoved(banners, clbanner)) << "first hidden, second not";
    files.SetAttributes(clbanner, kHidden);
    EXPECT_TRUE(objChanger.BannerIsRemoved(banners, clbanner)) << "both hidden";
    files.SetAttributes(banners, platform::kNormal);
    files.SetAttributes(clbanner, platform::kNormal);
    files.Fail(FileOperation::Attributes, 5);
    EXPECT_TRUE(objChanger.BannerIsRemoved(banners, clbanner)) << "unreadable";
}

// A banner held open by another program: its rewrite fails and leaves it as it was, unmarked.
TEST_F(ClientPageTest, ABannerIsReplacedWholeOrNotAtAllAndOnlyAFailedMarkIsIgnored) {
    folder.Put(L"banners.xml", "ads");
    files.Fail(FileOperation::Replace, 32);
    EXPECT_THROW(objChanger.RemoveBanners(banners, kRemovedText), errors::Error) << "the failure goes on";
    EXPECT_EQ(folder.Bytes(L"banners.xml"), "ads");
    EXPECT_EQ(Flags(banners), 0);
    EXPECT_EQ(folder.Names(), (Names{L"banners.xml", L"climage.html"})) << "nothing left beside it";

    files.Fail(FileOperation::SetAttributes, 5);
    EXPECT_NO_THROW(objChanger.RemoveBanners(clbanner, kRemovedText)) << "missing until now";
    EXPECT_EQ(folder.Bytes(L"clbanner.xml"), "<root> <info>Banner removed with Kalvex</info> </root>");
}

}  // namespace
