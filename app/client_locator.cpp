// frmMain's search for the client's installation folder: from the client's own
// registration, or from the user pointing at the client's program file.

#include "app/interface_texts.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/registry_store.h"
#include "app/settings_table.h"
#include "errors/frame.h"
#include "platform/file_dialog.h"
#include "platform/file_system.h"
#include "platform/message_box.h"

namespace app {

namespace {

constexpr wchar_t kClientProgram[] = L"ICQLite.exe";

// The registered file lies two levels below the installation folder.
std::wstring TwoLevelsUp(const std::wstring& path) {
    const std::size_t last = path.rfind(L'\\');
    if (last == std::wstring::npos) return path;
    // A path whose only backslash is its first character has no earlier one.
    if (last == 0) return std::wstring();
    const std::size_t earlier = path.rfind(L'\\', last - 1);
    if (earlier == std::wstring::npos) return std::wstring();
    return path.substr(0, earlier + 1);
}

}  // namespace

std::wstring frmMain::GetICQPath() {
    errors::Frame frame(L"frmMain.GetICQPath", errors::Procedure);
    return frame.run([&]() -> std::wstring {
        frame.at(20);
        SetRegKey(false);
        for (const settings::Registration& registration : settings::kClientRegistrations) {
            program_.objReg().SetRootKey(registration.rootKey);
            program_.objReg().SetMainBranch(registration.mainBranch);
            program_.objReg().SetView(registration.view);
            frame.at(30);
            std::wstring candidate =
                program_.objReg().ReadEntry(settings::kFileName.name, settings::kFileName.readDefault);
            frame.at(40);
            if (candidate.empty()) continue;
            frame.at(50);
            candidate = TwoLevelsUp(candidate);
            frame.at(60);
            if (!candidate.empty() && RightICQPath(candidate)) return candidate;
        }
        frame.at(70);
        SelfSearch();
        return strICQLitePath;
    });
}

bool frmMain::RightICQPath(std::wstring strPath) {
    errors::Frame frame(L"frmMain.RightICQPath(strPath)", errors::Procedure, [&] { return errors::Value(strPath); });
    return frame.run([&] {
        frame.at(20);
        return program_.objFileSystem().FileExists(strPath + kClientProgram);
    });
}

void frmMain::SelfSearch() {
    errors::Frame frame(L"frmMain.SelfSearch", errors::Procedure);
    frame.run([&] {
        platform::MessageBoxes& boxes = program_.services.messageBoxes;
        const std::int16_t language = program_.intLanguage;
        frame.at(20);
        const platform::MessageResult answer =
            boxes.Show(texts::Pick(language, texts::kSearchQuestionGerman, texts::kSearchQuestionEnglish),
                       texts::kMessageTitle, platform::MessageButtons::YesNo, platform::MessageIcon::Question);
        if (answer != platform::MessageResult::Yes) return;
        frame.at(30);
        std::optional<std::wstring> chosen = program_.services.fileDialog.ShowOpen(texts::kProgramFilter);
        if (!chosen) return;
        frame.at(40);
        if (chosen->ends_with(kClientProgram)) {
            strICQLitePath = chosen->substr(0, chosen->rfind(L'\\') + 1);
            return;
        }
        frame.at(50);
        boxes.Show(texts::Pick(language, texts::kWrongChoiceGerman, texts::kWrongChoiceEnglish), texts::kMessageTitle,
                   platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
    });
}

}  // namespace app
