// The Windows services behind the program's file dialogs, its window placement and its
// language, and the system libraries it loads on first use: the dialog answered by a
// second thread as a user would answer it.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <thread>

#include "errors/error.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/screen.h"
#include "platform/win32/system_library.h"
#include "platform/win32/user_locale.h"
#include "support/temp_folder.h"
#include "support/window_driving.h"

using namespace testing_support;

namespace {

constexpr int kFileNameBox = 0x47c;  // the name box of the explorer-style dialog (cmb13)
constexpr int kFileNameEdit = 0x480;  // its older form (edt1)
constexpr int kFileTypes = 0x470;    // the list of file types (cmb1)

DWORD SystemReasonOfFailure(const wchar_t* library, const char* function) {
    try {
        platform::SystemLibraryFunction(library, function);
    } catch (const errors::Error& failure) {
        return static_cast<DWORD>(failure.record().lastSystemError);
    }
    return ERROR_SUCCESS;
}

std::wstring FirstFileType(HWND dialog) {
    HWND types = GetDlgItem(dialog, kFileTypes);
    wchar_t text[128] = {};
    SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

TEST(FileDialogTest, FilterBecomesTheDialogsListOfPairs) {
    EXPECT_EQ(platform::DialogFilter(L"EXE Datei|*.exe"), std::wstring(L"EXE Datei\0*.exe\0\0", 17));
    EXPECT_EQ(platform::DialogFilter(L"A|*.a|B|*.b;*.c"), std::wstring(L"A\0*.a\0B\0*.b;*.c\0\0", 17));
}

TEST(FileDialogTest, GivesTheChosenFileAndNothingWhenCancelled) {
    TempFolder folder;
    folder.Put(L"Urlaub.bmp", "BM");
    platform::Win32FileDialog dialog;

    std::wstring shownType;
    std::atomic<int> typeCount{0};
    std::thread user([&] {
        HWND found = WaitForWindow(L"#32770");
        if (!found) return;
        shownType = FirstFileType(found);
        typeCount = static_cast<int>(SendMessageW(GetDlgItem(found, kFileTypes), CB_GETCOUNT, 0, 0));
        const std::wstring name = folder.File(L"Urlaub.bmp");
        SetDlgItemTextW(found, kFileNameBox, name.c_str());
        SetDlgItemTextW(found, kFileNameEdit, name.c_str());
        PostMessageW(found, WM_COMMAND, IDOK, 0);
    });
    const std::optional<std::wstring> chosen = dialog.ShowOpen(L"Bilddateien(*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp");
    user.join();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(CompareStringOrdinal(chosen->c_str(), -1, folder.File(L"Urlaub.bmp").c_str(), -1, TRUE), CSTR_EQUAL)
        << *chosen;
    EXPECT_EQ(shownType, L"Bilddateien(*.jpg;*.gif;*.bmp)");
    EXPECT_EQ(typeCount, 1);

    std::thread cancelling([] {
        if (HWND found = WaitForWindow(L"#32770")) PostMessageW(found, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(dialog.ShowOpen(L"EXE Datei|*.exe").has_value());
    cancelling.join();
}

TEST(ScreenTest, MeasuresTheScreenInTwipsAndFindsWindowsThatAreOffEveryMonitor) {
    platform::Win32Screen screen;
    const float twipsPerPixel = 1440.0f / static_cast<float>(GetDpiForSystem());
    const float width = screen.WidthTwips(), height = screen.HeightTwips();
    EXPECT_FLOAT_EQ(width, static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * twipsPerPixel);
    EXPECT_FLOAT_EQ(height, static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * twipsPerPixel);
    EXPECT_GT(width, 0);

    const float window = 4000;
    EXPECT_TRUE(screen.TouchesAnyWorkArea({(width - window) / 2, (height - window) / 2, window, window}));
    EXPECT_TRUE(screen.TouchesAnyWorkArea({-window + 10 * twipsPerPixel, 0, window, window}))
        << "ten pixels still on the screen";
    EXPECT_FALSE(screen.TouchesAnyWorkArea({width, 0, window, window})) << "just right of the screen";
    EXPECT_FALSE(screen.TouchesAnyWorkArea({-100000, -100000, window, window})) << "a monitor that is gone";
}

TEST(UserLocaleTest, LanguageAndDecimalSeparatorAreTheUsers) {
    platform::Win32UserLocale locale;
    EXPECT_EQ(locale.DefaultLanguageId(), GetUserDefaultLangID());
    EXPECT_NE(locale.DefaultLanguageId(), 0);
    const wchar_t separator = locale.DecimalSeparator();
    EXPECT_TRUE(separator == L'.' || separator == L',') << static_cast<int>(separator);
}

TEST(SystemLibraryTest, FunctionsAreFoundAndWhatIsMissingRaisesTheSystemsReason) {
    const auto shellExecute = platform::SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    EXPECT_EQ(reinterpret_cast<void*>(shellExecute),
              reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"shell32.dll"), "ShellExecuteW")));
    EXPECT_NE(shellExecute, nullptr);
    EXPECT_EQ(SystemReasonOfFailure(L"kx-no-such-library.dll", "Anything"), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(SystemReasonOfFailure(L"shell32.dll", "KxNoSuchFunction"), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}
