#include "app/area_resampler.h"

#include <algorithm>

namespace app {

AreaResampler::AreaResampler(std::uint32_t sourceWidth, std::uint32_t sourceHeight, std::uint32_t width,
                             std::uint32_t height)
    : sourceWidth_(sourceWidth), sourceHeight_(sourceHeight), width_(width), height_(height),
      sums_(std::size_t{width} * height * 3), line_(std::size_t{width} * 3) {}

// Source pixel x covers [x * width, (x + 1) * width) and preview pixel j covers
// [j * sourceWidth, (j + 1) * sourceWidth) on one scale; the overlap is the weight. Rows alike.
void AreaResampler::AddRow(const std::uint8_t* pixels) {
    if (row_ >= sourceHeight_) return;
    std::fill(line_.begin(), line_.end(), 0);
    for (std::uint64_t x = 0; x < sourceWidth_; ++x) {
        const std::uint64_t begin = x * width_, end = begin + width_;
        for (std::uint64_t j = begin / sourceWidth_; j < width_ && j * sourceWidth_ < end; ++j) {
            const std::uint64_t weight = std::min(end, (j + 1) * sourceWidth_) - std::max(begin, j * sourceWidth_);
            for (int c = 0; c < 3; ++c) line_[j * 3 + c] += weight * pixels[x * 4 + c];
        }
    }
    const std::uint64_t begin = std::uint64_t{row_} * height_, end = begin + height_;
    for (std::uint64_t i = begin / sourceHeight_; i < height_ && i * sourceHeight_ < end; ++i) {
        const std::uint64_t weight = std::min(end, (i + 1) * sourceHeight_) - std::max(begin, i * sourceHeight_);
        for (std::size_t k = 0; k < line_.size(); ++k) sums_[i * width_ * 3 + k] += weight * line_[k];
    }
    ++row_;
}

void AreaResampler::CopyTo(std::uint8_t* pixels) const {
    const std::uint64_t whole = std::uint64_t{sourceWidth_} * sourceHeight_;
    for (std::size_t p = 0; p < std::size_t{width_} * height_; ++p) {
        for (int c = 0; c < 3; ++c) pixels[p * 4 + c] = static_cast<std::uint8_t>((sums_[p * 3 + c] + whole / 2) / whole);
        pixels[p * 4 + 3] = 0;
    }
}

}  // namespace app
