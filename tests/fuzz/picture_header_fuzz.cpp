// Feeds arbitrary bytes to the picture header reader, which sees every file a user picks
// before any decoder does, and lets small pictures it passes through the preview's resize.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto found = app::ReadPictureSize({data, size});
    if (!found || !app::IsShowableSize(*found) || std::uint64_t{found->width} * found->height > 4096) return 0;
    app::AreaResampler resampler(found->width, found->height, 120, 90);
    std::vector<std::uint8_t> row(found->width * 4, size ? data[size - 1] : 0);
    for (std::uint32_t y = 0; y < found->height; ++y) resampler.AddRow(row.data());
    std::vector<std::uint8_t> preview(120 * 90 * 4);
    resampler.CopyTo(preview.data());
    return 0;
}
