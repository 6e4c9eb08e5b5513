// The size read from the header before any decoding, the pixel limit, and a JPEG from its
// blocks' means. A stored picture that cannot be shown: main_window_test; a chosen one:
// main_commands_test.

#include <gtest/gtest.h>

#include "app/jpeg_eighth.h"
#include "app/picture_header.h"

namespace {

std::span<const std::uint8_t> Bytes(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }
std::optional<app::PictureSize> SizeOf(const std::string& bytes) { return app::ReadPictureSize(Bytes(bytes)); }

TEST(PictureTest, HeaderSizeAndPixelLimit) {
    // JFIF, fill bytes, a table (C4, no frame), then a progressive frame of 4000 x 3000.
    const std::string jpeg("\xFF\xD8\xFF\xE0\x00\x04JF\xFF\xFF\xC4\x00\x02\xFF\xC2\x00\x0B\x08\x0B\xB8\x0F\xA0", 22);
    const std::string bmp = "BM" + std::string(12, '\0') + std::string("\x28\0\0\0\x78\0\0\0\xA6\xFF\xFF\xFF", 12);
    EXPECT_EQ(SizeOf(jpeg), (app::PictureSize{4000, 3000}));
    EXPECT_EQ(SizeOf(std::string("GIF89a\x40\x01\xF0\x00", 10)), (app::PictureSize{320, 240}));
    EXPECT_EQ(SizeOf(bmp), (app::PictureSize{120, 90})) << "top-down";
    for (std::size_t cut = 0; cut < jpeg.size(); ++cut) EXPECT_EQ(SizeOf(jpeg.substr(0, cut)), std::nullopt) << cut;
    EXPECT_EQ(SizeOf(bmp.substr(0, 25)), std::nullopt);
    EXPECT_EQ(SizeOf(std::string("\xFF\xD8\xFF\xDA\x00\x02", 6)), std::nullopt) << "a scan before any frame";
    EXPECT_TRUE(app::IsShowableSize({8688, 5792})) << "50 megapixels";
    EXPECT_FALSE(app::IsShowableSize({65500, 65500}));
}

// 32 x 32: four MCUs of 16 x 16, red, green, blue, white; chroma at half resolution.
TEST(PictureTest, JpegFromItsBlocksMeans) {
    const std::string hex =
        "FFD8FFE000104A46494600010100000100010000FFDB00430006040506050406060506070706080A100A0A09090A140E0F0C1017141818171416161A1D251F1A1B231C161620"
        "2C20232627292A29191F2D302D283025282928FFDB0043010707070A080A130A0A13281A161A2828282828282828282828282828282828282828282828282828282828282828"
        "282828282828282828282828282828282828FFC00011080020002003012200021101031101FFC40017000101010100000000000000000000000000070609FFC4001410010000"
        "0000000000000000000000000000FFC40017010101010100000000000000000000000008050607FFC40014110100000000000000000000000000000000FFDA000C0301000211"
        "0311003F009D00C7122D8808E09A1E01B4E86E9680372C3FFFD9";
    std::string jpeg;
    for (std::size_t i = 0; i < hex.size(); i += 2) jpeg += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    app::EighthPicture eighth;
    ASSERT_EQ(app::DecodeJpegEighth(Bytes(jpeg), eighth), app::EighthResult::Decoded);
    ASSERT_TRUE(eighth.width == 4 && eighth.height == 4);
    const int expected[4][3] = {{255, 0, 0}, {0, 192, 0}, {0, 0, 255}, {255, 255, 255}};
    for (int p = 0; p < 16; ++p)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(eighth.pixels[p * 4 + 2 - c], expected[p / 8 * 2 + p % 4 / 2][c], 2) << p;
}

}  // namespace
