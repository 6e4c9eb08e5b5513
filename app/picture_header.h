#pragma once
// What a picture file's header says about it, read before anything decodes it, and the
// pixel limit beyond which the program does not decode a picture at all.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace app {

struct PictureSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool operator==(const PictureSize&) const = default;
};

// A 50-megapixel camera photo (8688 x 5792) still shows; a header that claims more than this
// would have the decoder allocate gigabytes for a 120 x 90 preview.
inline constexpr std::uint64_t kMaxPicturePixels = 64'000'000;
// The biggest file a picture within the pixel limit needs: uncompressed at 32 bits a pixel
// (a BMP), 256 MB, with a megabyte for headers, palettes and metadata. No JPEG or GIF of
// that many pixels comes near it; a bigger file is padding, read for nothing.
inline constexpr std::uint64_t kMaxPictureFileBytes = kMaxPicturePixels * 4 + (1 << 20);

// Reads up to into.size() bytes of a file from the offset on; how many it read, fewer only
// at the file's end.
using ReadAt = std::function<std::size_t(std::uint64_t offset, std::span<std::uint8_t> into)>;

// The size that a JPEG, GIF or BMP header declares; nothing when the bytes are none of these
// or their header ends before it names the size. Of a file, only the header is read: of a
// JPEG the first bytes of each segment before its frame, skipping their contents.
std::optional<PictureSize> ReadPictureSize(const ReadAt& file);
std::optional<PictureSize> ReadPictureSize(std::span<const std::uint8_t> bytes);

// Whether a picture of this size may be decoded: not empty, and within the pixel limit.
bool IsShowableSize(PictureSize size);

// The header's size, when a whole picture file may go to a decoder: that size may be decoded,
// and a GIF's every frame lies within its screen and all of them together within the pixel
// limit (a decoder decodes each frame at its own size, whatever the screen says).
std::optional<PictureSize> ShowableSize(std::span<const std::uint8_t> file);

}  // namespace app
