#include "app/text_file.h"

#include "errors/frame.h"

namespace app {

std::wstring clsFile::OpenForInput(std::wstring strPath) {
    errors::Frame frame(L"clsFile.OpenForInput(strPath)", errors::Procedure, [&] { return errors::Value(strPath); });
    return frame.run([&] {
        frame.at(20);
        return codePage_.ToWide(fileSystem_.ReadBytes(strPath));
    });
}

void clsFile::OpenForOutput(std::wstring strPath, std::wstring strBody) {
    errors::Frame frame(L"clsFile.OpenForOutput(strPath,strBody)", errors::Procedure,
                        [&] { return errors::Args(strPath, strBody); });
    frame.run([&] {
        frame.at(20);
        fileSystem_.WriteBytes(strPath, codePage_.FromWide(strBody));
    });
}

bool clsFile::FileExists(std::wstring strPath) { return fileSystem_.NormalFileExists(strPath); }

// A character the code page lacks comes back as the code page's default character.
bool clsFile::CodePageHolds(std::wstring_view text) {
    const std::wstring wide(text);
    return codePage_.ToWide(codePage_.FromWide(wide)) == wide;
}

}  // namespace app
