// The button drawn with GDI, checked at chosen points rather than as whole images, so that
// the caption's font rendering cannot make the checks flaky. 2085 x 765 twips map onto
// 139 x 51 pixels; the caption lies between y 15 and 36 from x 56 on.

#include <gtest/gtest.h>

#include "button/win32/gdi_toolkit.h"
#include "button/win32/painter.h"
#include "com_doubles.h"
#include "support/button_fakes.h"

using platform::ComPtr;
using namespace testing_support;

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);

class RenderingTest : public ::testing::Test {
protected:
    Apartment apartment;
    button::GdiToolkit toolkit;
    RecordingHost host;
    button::cButton btn{toolkit, host};
    HDC dc = CreateCompatibleDC(nullptr);
    DWORD* pixels = nullptr;
    HBITMAP surface = nullptr;

    void SetUp() override {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 139, -51, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0);
        SelectObject(dc, surface);
        btn.SetButtonBackColor(0x00FFFF);
        btn.Resize(2085, 765);
        btn.Resize(2085, 765);
    }
    void TearDown() override {
        DeleteDC(dc);
        DeleteObject(surface);
    }

    COLORREF At(int x, int y) {
        const RECT bounds = {0, 0, 139, 51};
        button::PaintButton(dc, bounds, btn);
        GdiFlush();
        const DWORD pixel = pixels[y * 139 + x];
        return RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel));  // DIBs hold blue lowest
    }
};

TEST_F(RenderingTest, OutlinesFillTheirShapeOnly) {
    const COLORREF grey = RGB(0xE0, 0xE0, 0xE0);
    for (std::int32_t form = 0; form <= 5; ++form) {
        btn.SetButtonForm(form);
        const bool square = form == 1 || form == 3 || form == 5;  // centred, 51 pixels wide
        EXPECT_EQ(At(1, 1), form == 0 ? kYellow : grey) << "corner of outline " << form;
        EXPECT_EQ(At(3, 25), square ? grey : kYellow) << "left of outline " << form;
        EXPECT_EQ(At(100, 45), square ? grey : kYellow) << "right of outline " << form;
        EXPECT_EQ(At(70, 45), kYellow) << "middle of outline " << form;
        EXPECT_EQ(At(70, 0), RGB(0, 0, 0)) << "border of outline " << form;
    }
}

TEST_F(RenderingTest, EnabledDisabledAndFocusedLooks) {
    btn.SetButtonBackColor(0x80000005);
    EXPECT_EQ(At(100, 45), GetSysColor(COLOR_WINDOW)) << "system colours are resolved";
    EXPECT_EQ(At(100, 1), GetSysColor(COLOR_WINDOW)) << "one pixel of border";

    btn.FocusGained();
    EXPECT_EQ(At(100, 45), RGB(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(At(100, 0), RGB(0x80, 0x80, 0xFF));
    EXPECT_EQ(At(100, 1), RGB(0x80, 0x80, 0xFF)) << "two pixels of border";

    btn.SetButtonEnabled(false);
    EXPECT_EQ(At(100, 45), RGB(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(At(100, 0), RGB(0xE0, 0xE0, 0xE0)) << "no border";
}

}  // namespace
