#pragma once
// The program's behaviour wired to doubles of everything the system provides: registry
// and files in memory, dialogs answered by the test, windows without pixels.

#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/registry.h"
#include "support/fake_system_info.h"
#include "support/fake_ui_services.h"
#include "support/fake_views.h"
#include "support/memory_file_system.h"
#include "support/memory_registry.h"
#include "support/recording_report_window.h"
#include "support/temp_folder.h"

namespace testing_support {

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
    RecordingReportWindow reportWindow;
    app::Services services{registry, starter, files,  codePage, boxes,  fileDialog,
                           shell,    screen,  locale, system,   reportWindow};
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

    void Unload() {
        std::int16_t cancel = 0;
        main.Form_Unload(cancel);
    }
};

}  // namespace testing_support
