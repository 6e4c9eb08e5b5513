#pragma once
// clsKalvex3: the client's picture page and its banner files.

#include <string>

#include "app/client_files.h"
#include "app/text_file.h"
#include "platform/file_system.h"

namespace app {

class clsKalvex3 {
public:
    clsKalvex3(clsFile& objFile, platform::FileSystem& objFileSystem, const ClientFiles& clientFiles)
        : file_(objFile), fileSystem_(objFileSystem), clientFiles_(clientFiles) {}

    // Replaces the climage.html that the client reads for strICQFolderPath (ending in a
    // backslash) with a page that shows strPicturePath and opens strLink when clicked. The
    // data folder's page must exist; when anything fails, each page stays as it was.
    void ChangePicture(std::wstring strPicturePath, std::wstring strICQFolderPath, std::wstring strLink);
    // Gives the banner file that the client reads the content strRemovedText, written beside it
    // and moved into its place, and marks it hidden, which is how the removal is recognised
    // later. A failed rewrite leaves the old file as it was and reaches the caller.
    void RemoveBanners(std::wstring strBannerPath, std::wstring strRemovedText);
    // Whether both banner files that the client reads are marked hidden; a file that cannot be examined counts as
    // removed, since there is then nothing the client could show.
    bool BannerIsRemoved(std::wstring strBannerPath, std::wstring strCLBannerPath);

private:
    clsFile& file_;
    platform::FileSystem& fileSystem_;
    ClientFiles clientFiles_;
};

}  // namespace app
