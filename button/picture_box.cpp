#include "button/picture_box.h"

#include "button/control_error.h"

namespace button {

void PictureBox::SetWidth(float twips) {
    if (!(twips >= 0)) throw ControlError(kInvalidPropertyValue);
    width_ = twips;
}

void PictureBox::SetHeight(float twips) {
    if (!(twips >= 0)) throw ControlError(kInvalidPropertyValue);
    height_ = twips;
}

}  // namespace button
