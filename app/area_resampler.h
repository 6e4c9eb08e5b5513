#pragma once
// The preview's scaler, shared by the JPEG reader's blocks and the system decoder's rows.

#include <cstdint>
#include <vector>

namespace app {

// Shrinks (or enlarges) a picture to the preview's size by area averaging: each preview
// pixel is the mean of the picture's pixels under it, weighted by how much of each it
// covers, so that no row or column is dropped. The picture arrives one row at a time, as a
// decoder delivers it, so that no full-size copy is ever held.
class AreaResampler {
public:
    AreaResampler(std::uint32_t sourceWidth, std::uint32_t sourceHeight, std::uint32_t width, std::uint32_t height);
    // The next row of the picture, 4 bytes to a pixel (blue, green, red, unused).
    void AddRow(const std::uint8_t* pixels);
    // The preview, top-down, 4 bytes to a pixel; complete once every row was added.
    void CopyTo(std::uint8_t* pixels) const;

private:
    std::uint32_t sourceWidth_, sourceHeight_, width_, height_;
    std::uint32_t row_ = 0;
    std::vector<std::uint64_t> sums_;  // per preview pixel and colour
    std::vector<std::uint64_t> line_;  // the current source row, shrunk horizontally
};

}  // namespace app
