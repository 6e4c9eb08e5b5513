#pragma once
// clsFile: whole-file text access. Texts lie on disk as bytes of the ANSI code page, without
// byte-order mark, terminator or line-ending conversion.

#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "platform/file_system.h"

namespace app {

class clsFile {
public:
    clsFile(platform::FileSystem& objFileSystem, platform::AnsiCodePage& objCodePage)
        : fileSystem_(objFileSystem), codePage_(objCodePage) {}

    // The whole file as text; a missing file is an error and is not created.
    std::wstring OpenForInput(std::wstring strPath);
    // Leaves the file holding exactly strBody, creating it in its existing folder if need be.
    void OpenForOutput(std::wstring strPath, std::wstring strBody);
    // Whether an ordinary file is at exactly this path (no wildcards); hidden and system files
    // and folders are not, and a path that cannot be examined is not either.
    bool FileExists(std::wstring strPath);
    // Whether every character of the text lies on disk as itself and reads back unchanged.
    bool CodePageHolds(std::wstring_view text);

private:
    platform::FileSystem& fileSystem_;
    platform::AnsiCodePage& codePage_;
};

}  // namespace app
