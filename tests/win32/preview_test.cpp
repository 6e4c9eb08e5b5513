// The preview as made from a picture file: sharp against a reference resize computed here,
// and safe: forged files end in "Invalid picture" and nothing worse.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "app/win32/pictures.h"
#include "error/error.h"
#include "support/temp_folder.h"

namespace {

using Rgb = std::array<int, 3>;
using Pixels = std::function<Rgb(int x, int y)>;

// A 24-bit bottom-up BMP, as paint programs write it.
std::string Bmp(int width, int height, const Pixels& pixel) {
    const int stride = (width * 3 + 3) & ~3;
    std::string b(54 + std::size_t(stride) * height, '\0');
    const auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = char(v >> 8 * i);
    };
    b[0] = 'B', b[1] = 'M', b[26] = 1, b[28] = 24;
    put(2, std::uint32_t(b.size())), put(10, 54), put(14, 40), put(18, width), put(22, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb p = pixel(x, y);
            for (int c = 0; c < 3; ++c) b[54 + std::size_t(height - 1 - y) * stride + x * 3 + c] = char(p[2 - c]);
        }
    return b;
}

// Mean difference per channel between the 120 x 90 preview and a box filter: each preview
// pixel the plain mean of the picture's pixels whose centres lie in it.
double MeanError(int width, int height, const Pixels& pixel) {
    testing_support::TempFolder folder;
    folder.Put(L"p.bmp", Bmp(width, height, pixel));
    const app::win32::Bitmap preview = app::win32::PreviewBitmap(folder.File(L"p.bmp"), 120, 90);
    DIBSECTION dib = {};
    GetObjectW(preview.get(), sizeof dib, &dib);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
    std::array<double, 120 * 90 * 3> sum = {};
    std::array<int, 120 * 90> count = {};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int at = (2 * y + 1) * 90 / (2 * height) * 120 + (2 * x + 1) * 120 / (2 * width);
            ++count[at];
            for (int c = 0; c < 3; ++c) sum[at * 3 + c] += pixel(x, y)[c];
        }
    double error = 0;
    const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);  // top-down, blue first
    for (int p = 0; p < 120 * 90; ++p)
        for (int c = 0; c < 3; ++c) error += std::abs(bits[p * 4 + 2 - c] - sum[p * 3 + c] / count[p]);
    return error / (120 * 90 * 3);
}

// In levels of 255. Drawing through the picture object into a device whose stretch mode was
// never set AND-merged dropped rows: 3.05 on the gradient, 50.3 on the photo-like picture.
constexpr double kMeanErrorBound = 1.5;

class PreviewTest : public ::testing::Test {
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(PreviewTest, MatchesAReferenceResize) {
    EXPECT_LE(MeanError(240, 180, [](int, int y) { return Rgb{y * 255 / 179, y * 255 / 179, 254}; }),
              kMeanErrorBound) << "blue-white gradient";
    EXPECT_LE(MeanError(400, 300, [](int x, int y) {
                  const int grain = int((std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u) * 1664525u >> 27) - 16;
                  const bool face = (x - 200) * (x - 200) + (y - 140) * (y - 140) < 90 * 90;
                  return Rgb{face ? 225 + grain / 2 : 60 + y / 3 + grain, int(128 + 90 * std::sin(x / 9.0) * std::cos(y / 7.0)),
                             face ? 170 : 40 + (x * y) % 50};
              }), kMeanErrorBound) << "photo-like: shading, a sharp edge, grain, fine texture";
}

TEST_F(PreviewTest, ForgedPicturesAreInvalidPictures) {
    testing_support::TempFolder folder;
    const std::string photo = Bmp(40, 30, [](int x, int y) { return Rgb{x, y, 0}; });
    // A real JPEG whose frame claims 65500 x 65500 pixels: the decoder would allocate for it.
    const std::string huge(
    "\xFF\xD8\xFF\xE0\x00\x10\x4A\x46\x49\x46\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xFF\xDB\x00\x43"
    "\x00\x10\x0B\x0C\x0E\x0C\x0A\x10\x0E\x0D\x0E\x12\x11\x10\x13\x18\x28\x1A\x18\x16\x16\x18\x31\x23"
    "\x25\x1D\x28\x3A\x33\x3D\x3C\x39\x33\x38\x37\x40\x48\x5C\x4E\x40\x44\x57\x45\x37\x38\x50\x6D\x51"
    "\x57\x5F\x62\x67\x68\x67\x3E\x4D\x71\x79\x70\x64\x78\x5C\x65\x67\x63\xFF\xC0\x00\x0B\x08\xFF\xDC"
    "\xFF\xDC\x01\x01\x11\x00\xFF\xC4\x00\x14\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x01\xFF\xC4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x1F\xFF\xD9", 159);
    const std::pair<const wchar_t*, std::string> forged[] = {
        {L"huge.jpg", huge},
        {L"zero.gif", std::string("GIF89a\0\0\x10\0", 10) + std::string(30, '\0')},
        {L"zero.bmp", Bmp(0, 30, nullptr)},
        {L"header.jpg", huge.substr(0, 93)},
        {L"half.bmp", photo.substr(0, photo.size() / 2)},
        {L"text.jpg", "<html>no picture</html>"},
        {L"empty.gif", ""},
    };
    for (const auto& [name, bytes] : forged) {
        folder.Put(name, bytes);
        try {
            app::win32::PreviewBitmap(folder.File(name), 120, 90);
            ADD_FAILURE() << "shown: " << name;
        } catch (const errors::Error& e) {
            EXPECT_EQ(e.record().number, 481);
            EXPECT_EQ(e.record().description, L"Invalid picture");
        }
    }
}

}  // namespace
