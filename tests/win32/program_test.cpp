// Kalvex3 against a prepared client folder and settings in the test's prefix: its real
// windows driven through window messages, its dialogs answered by a second thread as the
// user would answer them. Choosing a picture, applying it and removing the banners are
// followed on the disk by the end-to-end test.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include "app/program.h"
#include "app/win32/main_window.h"
#include "app/win32/image_control.h"
#include "errors/err_trace.h"
#include "platform/win32/code_page.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/file_system.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/registry.h"
#include "platform/win32/screen.h"
#include "platform/win32/system_info.h"
#include "platform/win32/user_locale.h"
#include "support/client_page_text.h"
#include "support/fake_ui_services.h"
#include "support/recording_report_window.h"
#include "support/temp_folder.h"
#include "support/window_driving.h"

using namespace testing_support;
using app::win32::Form;
using app::win32::MainWindow;
using C = app::MainControl;

namespace {

constexpr wchar_t kOwnBranch[] = L"SOFTWARE\\www.kalvex.example";
constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\www.kalvex.example\\ICQLiteKalvex\\Settings";
constexpr char kRemovedBanner[] = "<root> <info>Banner removed with Kalvex</info> </root>";

// The smallest GIF: one transparent pixel.
const std::string kGif(
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00"
    "\x01\x00\x00\x02\x02" "D\x01\x00;",
    43);

// A client as its installer leaves it.
class Client {
public:
    Client() {
        folder.Put(L"ICQLite.exe", "MZ");
        CreateDirectoryW(folder.File(L"LiteDataFiles").c_str(), nullptr);
        folder.Put(L"LiteDataFiles\\climage.html", "<html>old</html>");
        folder.Put(L"LiteDataFiles\\banners.xml", "<banners/>");
        folder.Put(L"LiteDataFiles\\clbanner.xml", "<banners/>");
        folder.Put(L"LiteDataFiles\\climage.gif", kGif);
    }
    std::wstring Folder() const { return folder.Path(); }
    std::wstring Data(const std::wstring& name) const { return folder.File(L"LiteDataFiles\\" + name); }
    std::string DataBytes(const std::wstring& name) const { return folder.Bytes(L"LiteDataFiles\\" + name); }
    bool Hidden(const std::wstring& name) const {
        const DWORD attributes = GetFileAttributesW(Data(name).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
    }

    TempFolder folder;
};

// The program's own settings, empty at the start and removed at the end.
class OwnSettings {
public:
    OwnSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kOwnBranch); }
    ~OwnSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kOwnBranch); }
    OwnSettings(const OwnSettings&) = delete;
    OwnSettings& operator=(const OwnSettings&) = delete;

    void Put(const wchar_t* name, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    std::wstring Stored(const wchar_t* name) const {
        wchar_t value[1024] = {};
        DWORD size = sizeof value;
        if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
            return L"<missing>";
        return value;
    }
};

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += static_cast<char>(c == L'\\' ? L'/' : c);
    return narrow;
}

void Process(MSG& message) { Form::Process(message); }

// Kalvex3's main window on the client above, in German, with its own settings.
class ProgramTest : public ::testing::Test {
protected:
    Client client;
    OwnSettings settings;
    platform::Win32Registry registry;
    platform::Win32ProcessStarter starter;
    platform::Win32FileSystem files;
    platform::Win32AnsiCodePage codePage;
    RecordingMessageBoxes boxes;
    platform::Win32FileDialog fileDialog;
    RecordingShell shell;
    platform::Win32Screen screen;
    platform::Win32UserLocale locale;
    platform::Win32SystemInfo system;
    RecordingReportWindow reportWindow;
    const app::Services services{registry, starter, files,  codePage, boxes,       fileDialog,
                                 shell,    screen,  locale, system,   reportWindow};
    std::optional<app::Program> program;
    std::optional<MainWindow> form;

    void SetUp() override {
        OleInitialize(nullptr);
        settings.Put(L"ICQLitePath", client.Folder());
        settings.Put(L"Language", L"1");
        program.emplace(services);
        form.emplace(GetModuleHandleW(nullptr), *program);
        PumpPending(Process);
    }
    void TearDown() override {
        form.reset();
        program.reset();
        EXPECT_EQ(reportWindow.text, L"") << "no failure on the way";
        OleUninitialize();
    }

    // Opens a dialog of the main window with `button`, lets `user` answer the dialog with
    // this title from a second thread, and runs the messages until the main window is back.
    bool Answer(C button, const wchar_t* title, const std::function<void(HWND)>& user) {
        std::atomic<bool> done{false};
        std::thread answering([&] {
            if (HWND dialog = WaitForWindow(L"Kalvex3.Form", title)) user(dialog);
            done = true;
        });
        Click(form->Control(button));
        const bool back = PumpUntil(Process, [&] { return done && IsWindowEnabled(form->window()); });
        answering.join();
        return back;
    }
};

}  // namespace

TEST_F(ProgramTest, StartsCentredShowingTheClientsOwnPicture) {
    ASSERT_TRUE(IsWindowVisible(form->window()));
    EXPECT_EQ(TextOf(form->window()), L"ICQLite Kalvex 3");
    EXPECT_EQ(form->Text(C::cbtnOpen), L"Bild auswählen");
    EXPECT_EQ(form->Text(C::lblPreview), L"Vorschau");
    HWND preview = Children(form->window(), app::win32::kImageControlClass).at(0);
    EXPECT_NE(app::win32::PictureOf(preview), nullptr) << "the client's own climage.gif";
    EXPECT_FALSE(IsWindowVisible(form->Control(C::lblNotFound)));
    EXPECT_TRUE(IsWindowVisible(form->Control(C::cbtnRemoveBanner)));
    EXPECT_EQ(SendMessageW(form->Control(C::optFullSizePicture), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(form->Control(C::txtURL)));
    EXPECT_EQ(form->Text(C::txtURL), L"www.kalvex.example");
    RECT at = {};
    GetWindowRect(form->window(), &at);
    EXPECT_NEAR(at.left, (GetSystemMetrics(SM_CXSCREEN) - (at.right - at.left)) / 2, 1) << "centred";
    EXPECT_NEAR(at.top, (GetSystemMetrics(SM_CYSCREEN) - (at.bottom - at.top)) / 2, 1);

    // Remove Banner hides itself, uncovering the label.
    Click(form->Control(C::cbtnRemoveBanner));
    ASSERT_TRUE(PumpUntil(Process, [&] { return !IsWindowVisible(form->Control(C::cbtnRemoveBanner)); }));
    EXPECT_TRUE(IsWindowVisible(form->Control(C::lblRemovedBanner)));
    EXPECT_EQ(client.DataBytes(L"banners.xml"), kRemovedBanner);
    EXPECT_TRUE(client.Hidden(L"clbanner.xml"));
}

TEST_F(ProgramTest, SettingsSwitchToEnglishAndCloseAfterApplyingSavingEverything) {
    std::wstring checkBoxText;
    LRESULT selectedAtLoad = -2;
    ASSERT_TRUE(Answer(C::cbtnSettings, L"Einstellungen", [&](HWND dialog) {
        HWND combo = Children(dialog, L"ComboBox").at(0);
        const std::vector<HWND> buttons = Children(dialog, L"Button");  // check box, Abbrechen, Ok
        selectedAtLoad = SendMessageW(combo, CB_GETCURSEL, 0, 0);
        checkBoxText = TextOf(buttons.at(0));
        SendMessageW(combo, CB_SETCURSEL, 1, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        SendMessageW(buttons.at(0), BM_CLICK, 0, 0);
        SendMessageW(buttons.at(2), BM_CLICK, 0, 0);
    }));
    EXPECT_EQ(selectedAtLoad, 0) << "Deutsch";
    EXPECT_EQ(checkBoxText, L"Nach Übernahme der Änderungen den Kalvex schließen");
    // A text of each kind of control: button, frame, option, label.
    EXPECT_EQ(form->Text(C::cbtnApply), L"Apply Changes");
    EXPECT_EQ(form->Text(C::fraPictureClick), L"On Picture click...");
    EXPECT_EQ(form->Text(C::optFullSizePicture), L"Show Picture in original size");
    EXPECT_EQ(form->Text(C::lblRemovedBanner), L"Banner is already removed");
    EXPECT_EQ(settings.Stored(L"Language"), L"2");
    EXPECT_EQ(settings.Stored(L"CloseAfterChange"), L"1");

    // Apply writes the page for the client's own picture, opening the picture itself, and
    // the window closes after the confirmation.
    Click(form->Control(C::cbtnApply));
    ASSERT_TRUE(PumpUntil(Process, [&] { return form->window() == nullptr; }));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown.back().text, L"Changes have been applied");
    const std::string picture = Narrow(client.Data(L"climage.gif"));
    EXPECT_EQ(client.DataBytes(L"climage.html"), ClientPage("file://" + picture, picture));
    EXPECT_TRUE(client.Hidden(L"climage.html"));
    EXPECT_EQ(settings.Stored(L"PicturePath"), client.Data(L"climage.gif"));
    EXPECT_EQ(settings.Stored(L"URL"), L"www.kalvex.example");
    EXPECT_EQ(settings.Stored(L"OpenURL"), L"False");
    EXPECT_EQ(settings.Stored(L"ICQLitePath"), client.Folder());
    EXPECT_NE(settings.Stored(L"FormLeft"), L"<missing>");
    EXPECT_NE(settings.Stored(L"FormTop"), L"<missing>");
}

TEST_F(ProgramTest, InfoShowsItsTextsAndOpensBothLinks) {
    std::vector<std::wstring> infoTexts;
    ASSERT_TRUE(Answer(C::cbtnInfo, L"Info", [&](HWND dialog) {
        for (HWND label : Children(dialog, L"Static")) infoTexts.push_back(TextOf(label));
        Click(ChildWithText(dialog, L"www.kalvex.example"));
        Click(ChildWithText(dialog, L"support@kalvex.example"));
        Click(Children(dialog, L"Vantor1.cButton").at(0));
    }));
    EXPECT_EQ(infoTexts, (std::vector<std::wstring>{L"ICQLite Kalvex 3", L"Version 3.1.8", L"Copyright © Kalvex",
                                                    L"www.kalvex.example", L"support@kalvex.example"}));
    EXPECT_EQ(shell.opened, (std::vector<std::wstring>{L"http://www.kalvex.example", L"mailto: support@kalvex.example"}));
}
