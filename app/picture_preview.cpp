#include "app/picture_preview.h"

#include "app/area_resampler.h"
#include "app/jpeg_eighth.h"

namespace app {

PreparedPreview PreparePreview(std::span<const std::uint8_t> file, std::uint32_t width, std::uint32_t height) {
    PreparedPreview preview;
    const std::optional<PictureSize> size = ShowableSize(file);
    if (!size) return preview;
    if (size->width / 8 >= width && size->height / 8 >= height) {
        EighthPicture eighth;
        const EighthResult read = DecodeJpegEighth(file, eighth);
        if (read == EighthResult::Refused) return preview;
        if (read == EighthResult::Decoded) {
            AreaResampler resampler(eighth.width, eighth.height, width, height);
            for (std::uint32_t row = 0; row < eighth.height; ++row)
                resampler.AddRow(&eighth.pixels[std::size_t{row} * eighth.width * 4]);
            preview.pixels.resize(std::size_t{width} * height * 4);
            resampler.CopyTo(preview.pixels.data());
            preview.kind = PreparedPreview::Kind::Shrunk;
            return preview;
        }
    }
    preview.kind = PreparedPreview::Kind::ForDecoder;
    return preview;
}

}  // namespace app
