#pragma once
// A picture object as the host's platform provides it.

#include <cstdint>
#include <memory>

namespace button {

// Hundredths of a millimetre, the unit in which picture objects report their size.
struct HimetricSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class Picture {
public:
    virtual ~Picture() = default;
    virtual HimetricSize NaturalSize() const = 0;  // may fail with ControlError
};

using PictureRef = std::shared_ptr<Picture>;

}  // namespace button
