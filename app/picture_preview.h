#pragma once
// What the preview makes of a picture file's bytes before the system's decoder may see them:
// nothing at all, the preview itself, or the go-ahead for the decoder.

#include <cstdint>
#include <span>
#include <vector>

#include "app/picture_header.h"

namespace app {

struct PreparedPreview {
    enum class Kind { Invalid, Shrunk, ForDecoder };
    Kind kind = Kind::Invalid;
    std::vector<std::uint8_t> pixels;  // Shrunk: the preview, top-down, 4 bytes to a pixel
};

// A JPEG at least eight times the preview's size shows from its blocks' means: the imaging
// component would decode it whole first (Wine's even when asked to scale).
PreparedPreview PreparePreview(std::span<const std::uint8_t> file, std::uint32_t width, std::uint32_t height);

}  // namespace app
