#pragma once
// A JPEG at an eighth of its size, made from each 8 x 8 block's mean alone: the mean is the
// block's first coefficient, so no block is transformed back and the picture is never held
// at full size. For a preview of a camera photo this is all there is to see; it is what
// keeps a 12-megapixel photo from costing 36 MB at every start.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace app {

struct EighthPicture {
    std::uint32_t width = 0;   // the picture's width / 8, rounded up
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels;  // top-down, 4 bytes to a pixel: blue, green, red, unused
};

// Reads baseline and extended sequential Huffman-coded JPEGs of 8 bits with one or three
// components (grey or YCbCr). Nothing for any other kind, and for data it cannot make sense
// of: the caller then leaves the picture to a full decoder. Data that ends early reads as
// zeros, as full decoders treat it.
std::optional<EighthPicture> DecodeJpegEighth(std::span<const std::uint8_t> bytes);

}  // namespace app
