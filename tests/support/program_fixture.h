#pragma once
// The program's behaviour wired to doubles of everything the system provides: registry
// and files in memory, dialogs answered by the test, windows without pixels that hold the
// state the windows' behaviour sets and reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/main_view.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/settings_view.h"
#include "exception/error.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "support/fake_system_info.h"
#include "support/fake_ui_services.h"
#include "support/memory_registry.h"
#include "support/recording_report_window.h"
#include "support/temp_folder.h"

namespace testing_support {

// Files under Windows-style paths; any path's folder exists. Folders that refuse the user
// refuse every change below them, as Program Files refuses a standard user.
class MemoryFileSystem final : public platform::FileSystem {
public:
    struct File {
        std::string bytes;
        std::int32_t attributes = platform::kArchive;
    };
    std::map<std::wstring, File> files;  // by full path
    std::vector<std::wstring> refusing;
    std::vector<std::wstring> heldOpen;  // by another program, without delete sharing
    std::vector<std::wstring> createdFolders;

    void Put(const std::wstring& path, const std::string& bytes, std::int32_t attributes = platform::kArchive) {
        files[path] = File{bytes, attributes};
    }

    std::int32_t Attributes(const std::wstring& path) override { return Existing(path).attributes; }
    void SetAttributes(const std::wstring& path, std::int32_t attributes) override {
        Refuse(path);
        Existing(path).attributes = attributes;
    }
    void Delete(const std::wstring& path) override {
        Refuse(path);
        if (Existing(path).attributes & platform::kReadOnly) errors::Raise(errors::RuntimeError::PermissionDenied, 5);
        files.erase(path);
    }
    bool FileExists(const std::wstring& path) override { return files.count(path) > 0; }
    bool NormalFileExists(const std::wstring& path) override {
        auto it = files.find(path);
        return it != files.end() && (it->second.attributes & (platform::kHidden | platform::kSystem)) == 0;
    }
    std::string ReadBytes(const std::wstring& path) override { return Existing(path).bytes; }
    void WriteBytes(const std::wstring& path, const std::string& bytes) override {
        Refuse(path);
        files[path].bytes = bytes;  // a new file gets File's attributes
    }
    void CreateFolders(const std::wstring& path) override {
        Refuse(path);
        createdFolders.push_back(path);
    }
    void Replace(const std::wstring& target, const std::wstring& replacement) override {
        Refuse(target);
        if (std::ranges::count(heldOpen, target)) errors::RaiseSystemError(32);
        if (files.count(target) && files[target].attributes & platform::kReadOnly)
            errors::Raise(errors::RuntimeError::PermissionDenied, 5);
        files[target] = Existing(replacement);
        files.erase(replacement);
    }

private:
    void Refuse(const std::wstring& path) const {
        for (const std::wstring& folder : refusing)
            if (path.starts_with(folder)) errors::Raise(errors::RuntimeError::PermissionDenied, 5);
    }
    File& Existing(const std::wstring& path) {
        auto it = files.find(path);
        if (it == files.end()) errors::Raise(errors::RuntimeError::FileNotFound, 2);
        return it->second;
    }
};

class FakeMainView final : public app::MainView {
public:
    using C = app::MainControl;
    std::map<C, std::wstring> text{{C::cbtnApply, L"Änderungen übernehmen"}};  // as the stored layout has it
    std::map<C, bool> visible{{C::lblNotFound, false}, {C::cbtnRemoveBanner, true}};
    std::map<C, bool> enabled{{C::txtURL, false}, {C::cbtnApply, true}};
    C selectedOption = C::optFullSizePicture;
    std::optional<std::wstring> preview;
    std::vector<std::wstring> unreadablePictures;
    float left = 0, top = 0, width = 4695, height = 5445;
    bool closed = false;

    void SetText(C control, const std::wstring& t) override { text[control] = t; }
    std::wstring Text(C control) override { return text[control]; }
    void SetVisible(C control, bool v) override { visible[control] = v; }
    void SetEnabled(C control, bool e) override { enabled[control] = e; }
    bool IsSelected(C option) override { return selectedOption == option; }
    void Select(C option) override { selectedOption = option; }
    void LoadPreview(const std::wstring& path) override {
        for (const std::wstring& bad : unreadablePictures)
            if (bad == path) errors::Raise(481, L"Kalvex3", L"Invalid picture");
        preview = path;
    }
    float Left() override { return left; }
    float Top() override { return top; }
    float Width() override { return width; }
    float Height() override { return height; }
    void Move(float l, float t) override {
        left = l;
        top = t;
    }
    void Close() override { closed = true; }
    void ShowSettingsDialog() override {}
    void ShowAboutDialog() override {}
};

class FakeSettingsView final : public app::SettingsView {
public:
    std::map<app::SettingsControl, std::wstring> text;
    int checkState = 0;
    std::vector<std::wstring> languages;
    int selected = -1;
    bool closed = false;

    void SetText(app::SettingsControl control, const std::wstring& t) override { text[control] = t; }
    void SetCheckState(int state) override {
        if (state < 0 || state > 2) errors::Raise(errors::RuntimeError::InvalidPropertyValue);
        checkState = state;
    }
    int CheckState() override { return checkState; }
    void AddLanguage(const std::wstring& t) override { languages.push_back(t); }
    int LanguageCount() override { return static_cast<int>(languages.size()); }
    void SelectLanguage(int position) override { selected = position; }
    int SelectedLanguage() override { return selected; }
    void Close() override { closed = true; }
};

class ProgramFixture : public ::testing::Test {
protected:
    static constexpr wchar_t kOwnKey[] = L"SOFTWARE\\www.kalvex.example\\ICQLiteKalvex\\Settings";
    // Where the 32-bit client registers itself on 64-bit Windows.
    static constexpr wchar_t kClientKey[] = L"SOFTWARE\\WOW6432Node\\Mirabilis\\ICQ\\ICQLite";
    static constexpr wchar_t kClientFolder[] = L"C:\\Programme\\ICQLite\\";
    static constexpr wchar_t kDataFolder[] = L"C:\\Programme\\ICQLite\\LiteDataFiles\\";
    static constexpr std::int32_t kUser = platform::kHkeyCurrentUser;
    static constexpr std::int32_t kMachine = platform::kHkeyLocalMachine;

    MemoryRegistry registry;
    RecordingProcessStarter starter;
    MemoryFileSystem files;
    RealCodePage codePage;
    RecordingMessageBoxes boxes;
    ScriptedFileDialog fileDialog;
    RecordingShell shell;
    FakeScreen screen;
    FakeUserLocale locale;
    FakeSystemInfo system;
    FakeEnvironment environment;
    RecordingReportWindow reportWindow;
    app::Services services{registry, starter, files,  codePage, boxes,       fileDialog,
                           shell,    screen,  locale, system,   environment, reportWindow};
    app::Program program{services};
    FakeMainView view;
    app::frmMain main{program, view};

    // A client installed as its own installer leaves it: registered, with its page and banners.
    void InstallClient() {
        registry.PutText(kMachine, kClientKey, L"FileName", std::wstring(kClientFolder) + L"Bin\\ICQLite.exe");
        files.Put(std::wstring(kClientFolder) + L"ICQLite.exe", "MZ");
        files.Put(Data(L"climage.html"), "<html>old</html>", platform::kHidden);
        files.Put(Data(L"climage.gif"), "GIF89a");
        files.Put(Data(L"banners.xml"), "<banners/>");
        files.Put(Data(L"clbanner.xml"), "<banners/>");
    }
    static std::wstring Data(const std::wstring& name) { return kDataFolder + name; }

    void Store(const std::wstring& name, const std::wstring& value) { registry.PutText(kUser, kOwnKey, name, value); }
    // The stored text without its terminating NUL.
    std::optional<std::wstring> Stored(const std::wstring& name) const {
        const auto value = registry.Get(kUser, kOwnKey, name);
        if (!value || value->type != platform::kRegSz) return std::nullopt;
        std::wstring text = app::RegistryText(value->data);
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        return text;
    }

    // Start-up, forgetting the messages it showed: the tests look at those of the commands after it.
    void Load() {
        main.Form_Load();
        boxes.shown.clear();
    }
    void Unload() {
        std::int16_t cancel = 0;
        main.Form_Unload(cancel);
    }
};

}  // namespace testing_support
