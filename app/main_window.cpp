#include "app/main_window.h"

#include "app/client_files.h"
#include "app/client_page.h"
#include "app/conversions.h"
#include "app/interface_texts.h"
#include "app/language.h"
#include "app/program.h"
#include "app/registry_store.h"
#include "app/settings_table.h"
#include "app/text_file.h"
#include "exception/error.h"
#include "errors/frame.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/process_starter.h"
#include "platform/screen.h"
#include "platform/user_locale.h"

#include <optional>
#include <utility>

namespace app {

namespace {
constexpr wchar_t kDataFolder[] = L"LiteDataFiles\\";
constexpr wchar_t kDefaultPicture[] = L"climage.gif";
constexpr wchar_t kBannerFile[] = L"banners.xml";
constexpr wchar_t kClientBannerFile[] = L"clbanner.xml";
constexpr wchar_t kBannerReplacement[] = L"<root> <info>Banner removed with Kalvex</info> </root>";
constexpr wchar_t kPictureItself[] = L"file://";
constexpr std::int16_t kCloseAfterApply = 1;

std::wstring Read(clsReg& reg, const settings::Setting& setting) { return reg.ReadEntry(setting.name, setting.readDefault); }

// The settings dialog's check box knows three states; any other number is as malformed as
// a text that is no number, and would make every opening of the dialog fail.
std::int16_t CheckBoxState(std::optional<std::int16_t> stored) {
    constexpr std::int16_t kUnchecked = 0, kGreyed = 2;
    return stored && *stored >= kUnchecked && *stored <= kGreyed ? *stored : kUnchecked;
}
}  // namespace

frmMain::frmMain(Program& program, MainView& mainView) : view(mainView), program_(program), settings_(program, *this) {}

frmMain::~frmMain() = default;

clsKalvex3& frmMain::Changer() {
    if (!objChanger)
        objChanger = std::make_unique<clsKalvex3>(
            program_.objFile(), program_.objFileSystem(),
            ClientFiles(program_.objFileSystem(), program_.services.registry, program_.services.environment));
    return *objChanger;
}

std::wstring frmMain::DataFolder() const { return strICQLitePath + kDataFolder; }

void frmMain::SetRegKey(bool bolOwnKey) {
    errors::Frame frame(L"frmMain.SetRegKey(bolOwnKey)", errors::Procedure, [&] { return errors::Value(bolOwnKey); });
    frame.run([&] {
        frame.at(20);
        const settings::Branch& branch = bolOwnKey ? settings::kOwnBranch : settings::kClientBranch;
        clsReg& reg = program_.objReg();
        frame.at(30);
        reg.SetMainBranch(branch.mainBranch);
        frame.at(40);
        reg.SetRootKey(branch.rootKey);
        frame.at(50);
        reg.SetRegBase(branch.regBase);
        frame.at(60);
        reg.SetProgram(branch.program);
        frame.at(70);
        reg.SetSection(branch.section);
        frame.at(80);
        reg.SetView(branch.view);
    });
}

void frmMain::Form_Load() {
    errors::Frame frame(L"frmMain.Form_Load", errors::EventHandler);
    frame.run([&] {
        const wchar_t separator = program_.services.locale.DecimalSeparator();
        frame.at(20);
        SetRegKey(true);
        clsReg& reg = program_.objReg();
        // A stored setting that does not convert falls back to its default, so that the
        // rest of start-up still runs and closing cannot overwrite settings with blanks.
        frame.at(30);
        program_.intCloseAfterChange = CheckBoxState(ToInteger(Read(reg, settings::kCloseAfterChange), separator));
        frame.at(40);
        strPicPath = Read(reg, settings::kPicturePath);
        frame.at(50);
        view.SetText(MainControl::txtURL, Read(reg, settings::kURL));
        frame.at(60);
        if (ToBoolean(Read(reg, settings::kOpenURL), separator).value_or(false)) {
            view.Select(MainControl::optOpenURL);
            optOpenURL_Click();
        }
        frame.at(70);
        strICQLitePath = Read(reg, settings::kICQLitePath);
        frame.at(80);
        PlaceWindow();
        frame.at(90);
        // A client that was moved or removed is looked for anew, as on a first start; its
        // missing files would otherwise pass for removed banners and a deleted picture.
        if (!strICQLitePath.empty() && !RightICQPath(strICQLitePath)) strICQLitePath.clear();
        if (strICQLitePath.empty()) strICQLitePath = GetICQPath();
        frame.at(100);
        if (!strICQLitePath.empty()) {
            frame.at(110);
            if (strPicPath.empty()) strPicPath = DataFolder() + kDefaultPicture;
            frame.at(120);
            if (Changer().BannerIsRemoved(DataFolder() + kBannerFile, DataFolder() + kClientBannerFile))
                view.SetVisible(MainControl::cbtnRemoveBanner, false);
            frame.at(130);
            if (!program_.objFile().FileExists(strPicPath) || !ShowPreview(strPicPath))
                view.SetVisible(MainControl::lblNotFound, true);
        }
        frame.at(140);
        program_.intLanguage = GetLanguage();
        frame.at(150);
        basMain::SetLanguage(program_, *this, program_.intLanguage);
    });
}

// A stored picture that no longer shows (damaged, replaced, beyond the pixel limit, beyond
// the memory at hand) is as good as missing: a report at every start would stop the rest of
// start-up each time.
bool frmMain::ShowPreview(const std::wstring& path) {
    try {
        view.LoadPreview(path);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void frmMain::PlaceWindow() {
    platform::Screen& screen = program_.services.screen;
    const wchar_t separator = program_.services.locale.DecimalSeparator();
    clsReg& reg = program_.objReg();
    const float width = view.Width(), height = view.Height();
    const float centredLeft = (screen.WidthTwips() - width) / 2;
    const float centredTop = (screen.HeightTwips() - height) / 2;
    float left = ToSingle(reg.ReadEntry(settings::kFormLeft, SingleText(centredLeft, separator)), separator)
                     .value_or(centredLeft);
    float top = ToSingle(reg.ReadEntry(settings::kFormTop, SingleText(centredTop, separator)), separator)
                    .value_or(centredTop);
    // A window stored on a monitor that is gone would open where nobody can reach it.
    if (!screen.TouchesAnyWorkArea({left, top, width, height})) {
        left = centredLeft;
        top = centredTop;
    }
    view.Move(left, top);
}

void frmMain::Form_Unload(std::int16_t& Cancel) {
    errors::Frame frame(L"frmMain.Form_Unload(Cancel)", errors::EventHandler, [&] { return errors::Value(Cancel); });
    frame.run([&] {
        const wchar_t separator = program_.services.locale.DecimalSeparator();
        frame.at(20);
        SetRegKey(true);
        clsReg& reg = program_.objReg();
        frame.at(30);
        reg.WriteEntry(settings::kOpenURL.name, BooleanText(view.IsSelected(MainControl::optOpenURL)));
        frame.at(40);
        reg.WriteEntry(settings::kICQLitePath.name, strICQLitePath);
        frame.at(50);
        reg.WriteEntry(settings::kFormLeft, SingleText(view.Left(), separator));
        frame.at(60);
        reg.WriteEntry(settings::kFormTop, SingleText(view.Top(), separator));
    });
}

void frmMain::cbtnOpen_Click() {
    errors::Frame frame(L"frmMain.cbtnOpen_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        std::optional<std::wstring> chosen = program_.services.fileDialog.ShowOpen(texts::kPictureFilter);
        if (!chosen || chosen->empty()) return;
        // Taken only once it shows, so that Apply writes the picture the preview shows.
        frame.at(40);
        view.LoadPreview(*chosen);
        frame.at(50);
        strPicPath = *chosen;
        frame.at(60);
        view.SetEnabled(MainControl::cbtnApply, true);
        frame.at(70);
        view.SetVisible(MainControl::lblNotFound, false);
    });
}

void frmMain::optFullSizePicture_Click() {
    errors::Frame frame(L"frmMain.optFullSizePicture_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        view.SetEnabled(MainControl::txtURL, false);
    });
}

void frmMain::optOpenURL_Click() {
    errors::Frame frame(L"frmMain.optOpenURL_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        view.SetEnabled(MainControl::txtURL, true);
    });
}

void frmMain::cbtnApply_Click() {
    errors::Frame frame(L"frmMain.cbtnApply_Click", errors::EventHandler);
    frame.run([&] {
        platform::MessageBoxes& boxes = program_.services.messageBoxes;
        frame.at(20);
        if (strICQLitePath.empty()) {
            // This message exists in German only.
            boxes.Show(texts::kNoClientFolderGerman, texts::kMessageTitle, platform::MessageButtons::Ok,
                       platform::MessageIcon::Exclamation);
            return;
        }
        frame.at(30);
        const std::wstring link = view.IsSelected(MainControl::optFullSizePicture) ? kPictureItself + strPicPath
                                                                                    : view.Text(MainControl::txtURL);
        frame.at(40);
        if (!ChangedClient([&] { Changer().ChangePicture(strPicPath, DataFolder(), link); })) return;
        frame.at(50);
        SetRegKey(true);
        frame.at(60);
        program_.objReg().WriteEntry(settings::kPicturePath.name, strPicPath);
        frame.at(70);
        program_.objReg().WriteEntry(settings::kURL.name, view.Text(MainControl::txtURL));
        frame.at(80);
        boxes.Show(texts::Pick(program_.intLanguage, texts::kAppliedGerman, texts::kAppliedEnglish),
                   texts::kMessageTitle, platform::MessageButtons::Ok, platform::MessageIcon::Information);
        frame.at(90);
        if (program_.intCloseAfterChange == kCloseAfterApply) view.Close();
    });
}

void frmMain::cbtnRemoveBanner_Click() {
    errors::Frame frame(L"frmMain.cbtnRemoveBanner_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        if (strICQLitePath.empty()) {
            program_.services.messageBoxes.Show(
                texts::Pick(program_.intLanguage, texts::kNoClientFolderGerman, texts::kNoClientFolderEnglish),
                texts::kMessageTitle, platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
            return;
        }
        // Each file is handled even when the other failed; one report names what failed.
        std::optional<errors::ErrorRecord> failure;
        std::wstring failed;
        for (const auto& [statement, file] : {std::pair{30, kBannerFile}, std::pair{40, kClientBannerFile}}) {
            frame.at(statement);
            const std::wstring name = file;  // clang before 16 cannot capture a structured binding
            try {
                if (!ChangedClient([&] { Changer().RemoveBanners(DataFolder() + name, kBannerReplacement); })) return;
            } catch (const errors::Error& e) {
                if (!failure) failure = e.record();
                failed += (failed.empty() ? L": " : L", ") + DataFolder() + name;
            }
        }
        if (failure) {
            errors::ClearCurrentError();
            const auto error = static_cast<errors::RuntimeError>(failure->number);
            errors::Raise(failure->number, errors::kRuntimeSource, errors::RuntimeErrorText(error) + failed,
                          failure->lastSystemError);
        }
        frame.at(50);
        view.SetVisible(MainControl::cbtnRemoveBanner, false);
    });
}

// A client whose files the user may not change (not virtualized, virtualization off, or the
// VirtualStore refusing too) gets no report: the user is offered to start again with the
// rights it needs, and this window closes once that started.
bool frmMain::ChangedClient(const std::function<void()>& change) {
    try {
        change();
        return true;
    } catch (const errors::Error& failure) {
        if (!LacksRights(failure.record())) throw;
    }
    errors::ClearCurrentError();
    const auto* const pieces = program_.intLanguage == 1 ? texts::kElevationGerman : texts::kElevationEnglish;
    const std::wstring question = pieces[0] + DataFolder() + pieces[1];
    if (program_.services.messageBoxes.Show(question, texts::kMessageTitle, platform::MessageButtons::YesNo,
                                            platform::MessageIcon::Exclamation) == platform::MessageResult::Yes &&
        program_.services.processStarter.RestartElevated())
        view.Close();
    return false;
}

void frmMain::cbtnSettings_Click() {
    errors::Frame frame(L"frmMain.cbtnSettings_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        view.ShowSettingsDialog();
    });
}

void frmMain::cbtnInfo_Click() {
    errors::Frame frame(L"frmMain.cbtnInfo_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        view.ShowAboutDialog();
    });
}

std::int16_t frmMain::GetLanguage() {
    errors::Frame frame(L"frmMain.GetLanguage", errors::Procedure);
    return frame.run([&]() -> std::int16_t {
        frame.at(20);
        SetRegKey(true);
        frame.at(30);
        // An unreadable stored code counts as no choice: the system's language decides.
        const std::int16_t stored =
            ToInteger(Read(program_.objReg(), settings::kLanguage),
                      program_.services.locale.DecimalSeparator())
                .value_or(0);
        frame.at(40);
        if (stored == 0) return basMain::GetSystemLanguage(program_);
        return stored;
    });
}

}  // namespace app
