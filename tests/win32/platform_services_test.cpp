// The Windows services behind the program's file dialogs and its window placement, and
// the system libraries it loads on first use: the dialog answered by a second thread as a
// user would answer it. The chosen file, the screen size in twips and the user's language
// are checked through the program's own tests.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <climits>
#include <thread>

#include "error/error.h"
#include "platform/units.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/screen.h"
#include "platform/win32/system_library.h"
#include "support/window_driving.h"

using namespace testing_support;

namespace {

DWORD SystemReasonOfFailure(const wchar_t* library, const char* function) {
    try {
        platform::SystemLibraryFunction(library, function);
    } catch (const errors::Error& failure) {
        return static_cast<DWORD>(failure.record().lastSystemError);
    }
    return ERROR_SUCCESS;
}

}  // namespace

TEST(FileDialogTest, FilterBecomesTheDialogsListOfTypesAndCancelGivesNothing) {
    EXPECT_EQ(platform::DialogFilter(L"A|*.a|B|*.b;*.c"), std::wstring(L"A\0*.a\0B\0*.b;*.c\0\0", 17));

    std::wstring shownType;
    LRESULT typeCount = 0;
    std::thread user([&] {
        HWND dialog = WaitForWindow(L"#32770");
        if (!dialog) return;
        HWND types = GetDlgItem(dialog, 0x470);  // the list of file types (cmb1)
        wchar_t text[128] = {};
        SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        shownType = text;
        typeCount = SendMessageW(types, CB_GETCOUNT, 0, 0);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    platform::Win32FileDialog dialog;
    EXPECT_FALSE(dialog.ShowOpen(L"Bilddateien(*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp").has_value());
    user.join();
    EXPECT_EQ(shownType, L"Bilddateien(*.jpg;*.gif;*.bmp)");
    EXPECT_EQ(typeCount, 1);
}

TEST(ScreenTest, AWindowIsOnTheScreenWhileAnyPartOfItTouchesAWorkArea) {
    platform::Win32Screen screen;
    const float twipsPerPixel = 1440.0f / static_cast<float>(GetDpiForSystem());
    const float width = screen.WidthTwips(), height = screen.HeightTwips(), window = 4000;
    EXPECT_TRUE(screen.TouchesAnyWorkArea({(width - window) / 2, (height - window) / 2, window, window}));
    EXPECT_TRUE(screen.TouchesAnyWorkArea({-window + 10 * twipsPerPixel, 0, window, window}))
        << "ten pixels still on the screen";
    EXPECT_FALSE(screen.TouchesAnyWorkArea({width, 0, window, window})) << "just right of the screen";
    EXPECT_FALSE(screen.TouchesAnyWorkArea({-100000, -100000, window, window})) << "a monitor that is gone";
}

// The stored layouts were measured with MulDiv; the portable conversions round as it does,
// halves and negative lengths included.
TEST(UnitsTest, WholeNumberConversionsRoundAsMulDiv) {
    for (int value = -3000; value <= 3000; ++value) {
        ASSERT_EQ(platform::HimetricFromTwips(value), MulDiv(value, 2540, 1440)) << value;
        for (int dpi : {72, 96, 120, 144, 192}) {
            ASSERT_EQ(platform::PixelsFromTwips(value, dpi), MulDiv(value, dpi, 1440)) << value << " at " << dpi;
            ASSERT_EQ(platform::PixelsAtDpi(value, dpi), MulDiv(value, dpi, 96)) << value << " at " << dpi;
        }
    }
    EXPECT_EQ(platform::ScaleRounded(INT_MAX, 2, 1), MulDiv(INT_MAX, 2, 1));
}

TEST(SystemLibraryTest, FunctionsAreFoundAndWhatIsMissingRaisesTheSystemsReason) {
    const auto shellExecute = platform::SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    EXPECT_EQ(reinterpret_cast<void*>(shellExecute),
              reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"shell32.dll"), "ShellExecuteW")));
    EXPECT_NE(shellExecute, nullptr);
    EXPECT_EQ(SystemReasonOfFailure(L"kx-no-such-library.dll", "Anything"), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(SystemReasonOfFailure(L"shell32.dll", "KxNoSuchFunction"), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}
