// The preview made from a picture file: sharp against a box filter computed here, and safe:
// forged files end in "Invalid picture" and nothing worse.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

#include "app/win32/pictures.h"
#include "error/error.h"
#include "support/temp_folder.h"

namespace {

using Rgb = std::array<int, 3>;  // the pictures are 24-bit bottom-up BMPs, as paint programs write them
const HRESULT kCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the whole run

std::string Bmp(int width, int height, const std::function<Rgb(int, int)>& pixel) {
    const int stride = (width * 3 + 3) & ~3;
    std::string b(54 + std::size_t(stride) * height, '\0');
    const auto put = [&](std::size_t at, int v) { for (int i = 0; i < 4; ++i) b[at + i] = char(v >> 8 * i); };
    b[0] = 'B', b[1] = 'M', b[26] = 1, b[28] = 24;
    put(2, int(b.size())), put(10, 54), put(14, 40), put(18, width), put(22, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) b[54 + std::size_t(height - 1 - y) * stride + x * 3 + c] = char(pixel(x, y)[2 - c]);
    return b;
}

// Mean difference per channel from a box filter: each preview pixel the mean of those centred in it.
double MeanError(int width, int height, const std::function<Rgb(int, int)>& pixel) {
    testing_support::TempFolder folder;
    folder.Put(L"p.bmp", Bmp(width, height, pixel));
    const app::win32::Bitmap preview = app::win32::PreviewBitmap(folder.File(L"p.bmp"), 120, 90);
    DIBSECTION dib = {};
    GetObjectW(preview.get(), sizeof dib, &dib);
    std::vector<double> sum(120 * 90 * 4);  // three colours and the count
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double* at = &sum[((2 * y + 1) * 90 / (2 * height) * 120 + (2 * x + 1) * 120 / (2 * width)) * 4];
            for (int c = 0; c < 3; ++c) at[c] += pixel(x, y)[c];
            at[3] += 1;
        }
    const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);  // top-down, blue first
    double error = 0;
    for (int p = 0; p < 120 * 90; ++p)
        for (int c = 0; c < 3; ++c) error += std::abs(bits[p * 4 + 2 - c] - sum[p * 4 + c] / sum[p * 4 + 3]);
    return error / (120 * 90 * 3);
}

// In levels of 255. Drawing through the picture object into a device whose stretch mode was
// never set AND-merged dropped rows: 3.05 on the gradient, 50.3 on the photo-like picture.
constexpr double kMeanErrorBound = 1.5;

TEST(PreviewTest, MatchesABoxFilter) {
    EXPECT_LE(MeanError(240, 180, [](int, int y) { return Rgb{y * 255 / 179, y * 255 / 179, 254}; }), kMeanErrorBound);
    EXPECT_LE(MeanError(400, 300, [](int x, int y) {  // shading, a sharp edge, grain, fine texture
                  const int grain = int((unsigned(x) * 73856093u ^ unsigned(y) * 19349663u) * 1664525u >> 27) - 16;
                  return Rgb{(x - 200) * (x - 200) + (y - 140) * (y - 140) < 8100 ? 225 : 60 + y / 3 + grain,
                             int(128 + 90 * std::sin(x / 9.0) * std::cos(y / 7.0)), 40 + (x * y) % 50};
              }), kMeanErrorBound);
}

TEST(PreviewTest, ForgedPicturesAreInvalidPictures) {
    std::string huge = Bmp(0, 0, nullptr);  // the decoder would take it at its word: 65500 x 65500
    huge.replace(18, 8, std::string("\xDC\xFF\0\0\xDC\xFF\0\0", 8));
    testing_support::TempFolder folder;
    for (const auto& [name, bytes] : std::initializer_list<std::pair<const wchar_t*, std::string>>{
             {L"huge.bmp", huge}, {L"zero.gif", std::string("GIF89a\0\0\x10\0", 10)}, {L"zero.bmp", Bmp(0, 30, nullptr)},
             {L"half.bmp", Bmp(40, 30, [](int x, int y) { return Rgb{x, y, 0}; }).substr(0, 1800)},
             {L"text.jpg", "<html>no picture</html>"}, {L"empty.gif", ""}}) {
        folder.Put(name, bytes);
        try {
            app::win32::PreviewBitmap(folder.File(name), 120, 90);
            ADD_FAILURE() << "shown: " << name;
        } catch (const errors::Error& e) { EXPECT_EQ(e.record().number, 481) << name; }
    }
}

}  // namespace
