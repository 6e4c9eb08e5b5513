#pragma once
// The screen's size and the monitors' work areas, in twips (1/1440 inch).

namespace platform {

struct TwipsRect {
    float left = 0, top = 0, width = 0, height = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual float WidthTwips() = 0;
    virtual float HeightTwips() = 0;
    // Whether any part of the rectangle lies on the work area of a monitor that is there now.
    virtual bool TouchesAnyWorkArea(const TwipsRect& rect) = 0;
};

}  // namespace platform
