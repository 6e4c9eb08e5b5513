// Characters of the link and the picture that the ANSI code page (Windows-1252 here) lacks,
// in the client's picture page on real files, in a client folder whose name holds them too.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/client_page.h"
#include "errors/err_trace.h"
#include "support/client_page_text.h"
#include "support/temp_folder.h"

TEST(PageCharactersTest, WhatTheCodePageLacksBecomesOneReferencePerCodePointTheRestStaysAsBytes) {
    testing_support::TempFolder folder;
    testing_support::RealFileSystem files;
    testing_support::RealCodePage codePage;
    app::clsFile file{files, codePage};
    app::clsKalvex3 changer{file, files};
    errors::ErrTraceScope errTrace{{}};
    // "ICQ 日本", and the picture "café фото😀.jpg" in it.
    std::filesystem::create_directory(std::filesystem::path(folder.Path()) / u8"ICQ \u65E5\u672C");
    const std::wstring client = folder.File(L"ICQ \u65E5\u672C") + folder.Path().back();
    files.WriteBytes(client + L"climage.html", "old");
    const std::string clientBytes = std::filesystem::path(folder.Path()).generic_string() + "ICQ &#26085;&#26412;/";
    changer.ChangePicture(client + L"caf\u00E9 \u0444\u043E\u0442\u043E\U0001F600.jpg", client,
                          L"x.example/\u20AC\u0444?q=\u65E5\U0001F600\"");
    EXPECT_EQ(files.ReadBytes(client + L"climage.html"),
              testing_support::ClientPage("http://x.example/\x80&#1092;?q=&#26085;&#128512;&quot;",
                                          clientBytes + "caf\xE9 &#1092;&#1086;&#1090;&#1086;&#128512;.jpg"));
}
