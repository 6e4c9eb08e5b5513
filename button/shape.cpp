#include "button/shape.h"

#include "button/control_error.h"

namespace button {

void Shape::SetOutline(std::int16_t kind) {
    if (kind < kRectangle || kind > kRoundedSquare) throw ControlError(kInvalidPropertyValue);
    outline_ = kind;
}

void Shape::SetBorderWidth(std::int16_t pixels) {
    if (pixels < 1) throw ControlError(kInvalidPropertyValue);
    borderWidth_ = pixels;
}

void Shape::SetWidth(float twips) {
    if (!(twips >= 0)) throw ControlError(kInvalidPropertyValue);
    width_ = twips;
}

void Shape::SetHeight(float twips) {
    if (!(twips >= 0)) throw ControlError(kInvalidPropertyValue);
    height_ = twips;
}

}  // namespace button
