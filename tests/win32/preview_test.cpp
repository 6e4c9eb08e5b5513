// The preview made from a picture file: sharp against a box filter computed here, true to
// RGB JPEGs, and safe: forged files end in "Invalid picture" at once and nothing worse.

#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>

#include "app/win32/pictures.h"
#include "exception/error.h"
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
    const platform::Bitmap preview = app::win32::PreviewBitmap(folder.File(L"p.bmp"), 120, 90);
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

// A square baseline JPEG of three components of the given names, every block's quantised
// mean coded as category 0 ('0') or 7 ('10'); its AC codes' one code ('0') is acValue.
std::string Jpeg(int size, const char* names, char acValue, int scans, const std::string& data) {
    const auto segment = [](int marker, const std::string& body) {
        return std::string{'\xFF', char(marker), char((body.size() + 2) >> 8), char(body.size() + 2)} + body;
    };
    std::string frame{8, char(size >> 8), char(size), char(size >> 8), char(size), 3}, scan{3};
    for (const char* n = names; *n; ++n) frame += {*n, 0x11, 0}, scan += {*n, 0};
    std::string jpeg = "\xFF\xD8" + segment(0xDB, std::string(1, 0) + std::string(64, 8)) +
                       segment(0xC4, std::string("\0\1\1", 3) + std::string(14, 0) + std::string("\0\7", 2)) +
                       segment(0xC4, std::string("\x10\1", 2) + std::string(15, 0) + acValue) + segment(0xC0, frame);
    for (int i = 0; i < scans; ++i) jpeg += segment(0xDA, scan + std::string("\0\x3F\0", 3)) + data;
    return jpeg + "\xFF\xD9";
}

TEST(PreviewTest, ForgedPicturesAreInvalidPicturesAtOnce) {
    std::string huge = Bmp(0, 0, nullptr);  // the decoder would take it at its word: 65500 x 65500
    huge.replace(18, 8, std::string("\xDC\xFF\0\0\xDC\xFF\0\0", 8));
    testing_support::TempFolder folder;
    folder.Put(L"padded.bmp", Bmp(100, 100, [](int x, int y) { return Rgb{x, y, 0}; }));
    std::filesystem::resize_file(folder.File(L"padded.bmp"), 3ull << 30);  // sparse
    for (const auto& [name, bytes] : std::initializer_list<std::pair<const wchar_t*, std::string>>{
             {L"huge.bmp", huge}, {L"zero.gif", std::string("GIF89a\0\0\x10\0", 10)}, {L"zero.bmp", Bmp(0, 30, nullptr)},
             {L"half.bmp", Bmp(40, 30, [](int x, int y) { return Rgb{x, y, 0}; }).substr(0, 1800)},
             {L"text.jpg", "<html>no picture</html>"}, {L"empty.gif", ""}, {L"padded.bmp", {}},
             {L"scans.jpg", Jpeg(8000, "\1\2\3", 1, 20, "")},  // each block's every coefficient from no data
             // a frame of 2 x 1 on a screen of 1 x 1, which the decoder decodes at the frame's size
             {L"frame.gif", std::string("GIF89a\1\0\1\0\x80\0\0\0\0\0\xFF\xFF\xFF,\0\0\0\0\2\0\1\0\0\2\2\x04\x0A\0;", 35)}}) {
        if (!bytes.empty() || name != std::wstring(L"padded.bmp")) folder.Put(name, bytes);
        const ULONGLONG start = GetTickCount64();
        for (bool whole : {false, true})  // the start-up check reads the header alone
            try {
                whole ? void(app::win32::PreviewBitmap(folder.File(name), 120, 90)) : app::win32::CheckPictureFile(folder.File(name));
                EXPECT_TRUE(!whole && std::wstring(L"half.bmp scans.jpg frame.gif").find(name) != std::wstring::npos) << name;
            } catch (const errors::Error& e) { EXPECT_EQ(e.record().number, 481) << name; }
        EXPECT_LT(GetTickCount64() - start, 10'000u) << name;
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    EXPECT_LT(memory.PeakWorkingSetSize, 200u << 20);
}

// Components named R, G and B hold the colours themselves, as the system's decoder reads them.
TEST(PreviewTest, RgbJpegShowsItsColours) {
    std::string bits = "101001000010010011101001110110";  // 200, 40, 60 in the first blocks, then no change
    bits.resize(30 + 6 * (120 * 120 - 1), '0');
    bits.resize((bits.size() + 7) / 8 * 8, '1');
    std::string data;
    for (std::size_t i = 0; i < bits.size(); i += 8) data += char(std::stoi(bits.substr(i, 8), nullptr, 2));
    testing_support::TempFolder folder;
    folder.Put(L"rgb.jpg", Jpeg(960, "RGB", 0, 1, data));
    const platform::Bitmap preview = app::win32::PreviewBitmap(folder.File(L"rgb.jpg"), 120, 90);
    DIBSECTION dib = {};
    GetObjectW(preview.get(), sizeof dib, &dib);
    const auto* bits32 = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    for (int p : {0, 120 * 90 - 1}) EXPECT_EQ(RGB(bits32[p * 4 + 2], bits32[p * 4 + 1], bits32[p * 4]), RGB(200, 40, 60));
}

}  // namespace
