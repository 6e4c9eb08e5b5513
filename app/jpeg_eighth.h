#pragma once
// A JPEG at an eighth of its size, made from each 8 x 8 block's mean alone: the mean is the
// block's first coefficient, so no block is transformed back and the picture is never held
// at full size. For a preview of a camera photo this is all there is to see; it is what
// keeps a 12-megapixel photo from costing 36 MB at every start.

#include <cstdint>
#include <span>
#include <vector>

namespace app {

struct EighthPicture {
    std::uint32_t width = 0;   // the picture's width / 8, rounded up
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels;  // top-down, 4 bytes to a pixel: blue, green, red, unused
};

enum class EighthResult {
    Decoded,
    LeftToDecoder,  // another kind of JPEG, or data it cannot make sense of: for a full decoder
    Refused,        // no JPEG a decoder should be given: a component in two scans of its frame
};

// Reads baseline and extended sequential Huffman-coded JPEGs of 8 bits with one or three
// components: grey, YCbCr, or RGB when the components are named R, G and B or an Adobe
// marker says that the colours are not transformed. A scan ends where its data does; the
// rest of its blocks stay mid-grey, as full decoders leave them, so that the work never
// exceeds what the file holds.
EighthResult DecodeJpegEighth(std::span<const std::uint8_t> bytes, EighthPicture& picture);

}  // namespace app
