#pragma once
// The screen and the monitors' work areas, measured in twips at the system's dots per inch.

#include "platform/screen.h"

namespace platform {

// Lengths on the screen, which are measured at the system's dots per inch whatever a window's.
float ScreenTwips(int pixels);
int ScreenPixels(float twips);

class Win32Screen final : public Screen {
public:
    float WidthTwips() override;
    float HeightTwips() override;
    bool TouchesAnyWorkArea(const TwipsRect& rect) override;
};

}  // namespace platform
