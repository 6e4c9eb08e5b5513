#pragma once
// imgPicture: the picture box that shows the button's picture, scaled to the box when
// stretching, at its natural size otherwise.

#include "button/picture.h"

namespace button {

class PictureBox {
public:
    const PictureRef& Picture() const { return picture_; }
    void SetPicture(PictureRef picture) { picture_ = std::move(picture); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { stretch_ = stretch; }

    float Left() const { return left_; }
    void SetLeft(float twips) { left_ = twips; }
    float Top() const { return top_; }
    void SetTop(float twips) { top_ = twips; }
    float Width() const { return width_; }
    void SetWidth(float twips);  // refuses negative sizes
    float Height() const { return height_; }
    void SetHeight(float twips);

private:
    PictureRef picture_;
    bool stretch_ = true;
    float left_ = 120;
    float top_ = 120;
    float width_ = 495;
    float height_ = 495;
};

}  // namespace button
