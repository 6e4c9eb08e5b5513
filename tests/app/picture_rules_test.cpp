// Pictures as users have them: the size read from the header before any decoding, the
// pixel limit, the preview's resize, and a picture that cannot be shown is never taken.

#include <string>
#include <vector>

#include "app/picture_header.h"
#include "support/program_fixture.h"

using namespace testing_support;
using app::PictureSize;
using C = app::MainControl;

namespace {

std::optional<PictureSize> SizeOf(const std::string& bytes) {
    return app::ReadPictureSize({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

// JFIF segment, a define-table segment (C4, no frame), then a progressive frame of 4000 x 3000.
const std::string kJpeg = std::string("\xFF\xD8\xFF\xE0\x00\x04JF\xFF\xFF\xC4\x00\x02\xFF\xC2\x00\x0B\x08\x0B\xB8\x0F\xA0", 22);

TEST(PictureHeaderTest, ReadsTheSizeOfEachKindAndRefusesWhatItCannotRead) {
    EXPECT_EQ(SizeOf(kJpeg), (PictureSize{4000, 3000}));
    EXPECT_EQ(SizeOf(std::string("GIF89a\x40\x01\xF0\x00", 10)), (PictureSize{320, 240}));
    std::string bmp("BM" + std::string(12, '\0') + std::string("\x28\0\0\0\x78\0\0\0\xA6\xFF\xFF\xFF", 12));
    EXPECT_EQ(SizeOf(bmp), (PictureSize{120, 90})) << "top-down";
    EXPECT_EQ(SizeOf("BM" + std::string(12, '\0') + std::string("\x0C\0\0\0\x10\0\x20\0", 8)), (PictureSize{16, 32}));
    for (std::size_t cut = 0; cut < kJpeg.size(); ++cut) EXPECT_EQ(SizeOf(kJpeg.substr(0, cut)), std::nullopt) << cut;
    EXPECT_EQ(SizeOf(bmp.substr(0, 25)), std::nullopt);
    EXPECT_EQ(SizeOf("GIF89a\x40"), std::nullopt);
    EXPECT_EQ(SizeOf(std::string("\xFF\xD8\xFF\xDA\x00\x02", 6)), std::nullopt) << "a scan before any frame";
    EXPECT_EQ(SizeOf("<html>"), std::nullopt);
}

TEST(PictureHeaderTest, PixelLimitLetsA50MegapixelPhotoThrough) {
    EXPECT_TRUE(app::IsShowableSize({8688, 5792}));
    EXPECT_TRUE(app::IsShowableSize({1, 1}));
    EXPECT_FALSE(app::IsShowableSize({65500, 65500}));
    EXPECT_FALSE(app::IsShowableSize({65500, 0}));
    EXPECT_FALSE(app::IsShowableSize({0, 90}));
}

// Grey levels in, grey levels out: one value a pixel.
std::vector<int> Resample(std::uint32_t sw, std::uint32_t sh, std::uint32_t w, std::uint32_t h, const std::vector<int>& in) {
    app::AreaResampler resampler(sw, sh, w, h);
    std::vector<std::uint8_t> row(sw * 4);
    for (std::uint32_t y = 0; y < sh; ++y) {
        for (std::uint32_t x = 0; x < sw; ++x)
            for (int c = 0; c < 3; ++c) row[x * 4 + c] = static_cast<std::uint8_t>(in[y * sw + x]);
        resampler.AddRow(row.data());
    }
    std::vector<std::uint8_t> out(w * h * 4);
    resampler.CopyTo(out.data());
    std::vector<int> grey;
    for (std::uint32_t p = 0; p < w * h; ++p) grey.push_back(out[p * 4 + 1]);
    return grey;
}

TEST(AreaResamplerTest, EveryPixelCountsByTheAreaItCovers) {
    EXPECT_EQ(Resample(3, 1, 2, 1, {0, 90, 180}), (std::vector<int>{30, 150})) << "2/3 and 1/3 of the middle";
    EXPECT_EQ(Resample(1, 4, 1, 2, {0, 255, 255, 0}), (std::vector<int>{128, 128})) << "no row dropped";
    EXPECT_EQ(Resample(2, 2, 1, 1, {10, 20, 30, 40}), (std::vector<int>{25}));
    EXPECT_EQ(Resample(2, 1, 4, 1, {0, 200}), (std::vector<int>{0, 0, 200, 200})) << "a small picture is enlarged";
}

class PictureChoiceTest : public ProgramFixture {};

// Choosing one that cannot be shown keeps the previous one: main_commands_test.
TEST_F(PictureChoiceTest, StoredPictureThatCannotBeShownIsNotFoundAndStartUpGoesOn) {
    InstallClient();
    files.SetAttributes(Data(L"banners.xml"), platform::kHidden);
    files.files.erase(Data(L"clbanner.xml"));
    view.unreadablePictures = {Data(L"climage.gif")};
    main.Form_Load();
    EXPECT_TRUE(view.visible[C::lblNotFound]);
    EXPECT_FALSE(view.visible[C::cbtnRemoveBanner]);
    EXPECT_EQ(view.text[C::cbtnApply], L"Apply Changes") << "the language step ran";
    EXPECT_TRUE(reportWindow.text.empty());
    EXPECT_EQ(main.picturePath(), Data(L"climage.gif")) << "the path stays";
}

}  // namespace
