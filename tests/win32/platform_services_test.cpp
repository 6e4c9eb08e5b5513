// The Windows services behind the program's window placement, its file dialog's list of
// types and its conversions. The open-file dialog itself is answered by the end-to-end test.

#include <gtest/gtest.h>

#include <windows.h>

#include <climits>

#include "platform/units.h"
#include "platform/win32/dpi.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/screen.h"

TEST(FileDialogTest, FilterBecomesTheDialogsListOfTypes) {
    EXPECT_EQ(platform::DialogFilter(L"A|*.a|B|*.b;*.c"), std::wstring(L"A\0*.a\0B\0*.b;*.c\0\0", 17));
}

TEST(ScreenTest, AWindowIsOnTheScreenWhileAnyPartOfItTouchesAWorkArea) {
    platform::Win32Screen screen;
    const float twipsPerPixel = 1440.0f / static_cast<float>(platform::SystemDpi());
    const float width = screen.WidthTwips(), height = screen.HeightTwips(), window = 4000;
    EXPECT_TRUE(screen.TouchesAnyWorkArea({(width - window) / 2, (height - window) / 2, window, window}));
    EXPECT_TRUE(screen.TouchesAnyWorkArea({-window + 10 * twipsPerPixel, 0, window, window}))
        << "ten pixels still on the screen";
    EXPECT_FALSE(screen.TouchesAnyWorkArea({width, 0, window, window})) << "just right of the screen";
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
