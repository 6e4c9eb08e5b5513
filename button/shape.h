#pragma once
// shpGround: the shape primitive that draws the button's outline, fill and border.

#include <cstdint>

#include "button/ole_color.h"

namespace button {

// The shape's own outline kinds; BtnForms names 0, 2 and 4 of them.
enum OutlineKind : std::int16_t {
    kRectangle = 0,
    kSquare = 1,
    kOval = 2,
    kCircle = 3,
    kRoundedRectangle = 4,
    kRoundedSquare = 5,
};

class Shape {
public:
    std::int16_t Outline() const { return outline_; }
    void SetOutline(std::int16_t kind);  // refuses kinds outside 0-5
    OleColor FillColor() const { return fillColor_; }
    void SetFillColor(OleColor color) { fillColor_ = color; }
    bool BorderDrawn() const { return borderDrawn_; }
    void SetBorderDrawn(bool drawn) { borderDrawn_ = drawn; }
    OleColor BorderColor() const { return borderColor_; }
    void SetBorderColor(OleColor color) { borderColor_ = color; }
    std::int16_t BorderWidth() const { return borderWidth_; }  // pixels
    void SetBorderWidth(std::int16_t pixels);                  // refuses widths below 1

    // Twips from the control's top-left corner; the shape stays at (0, 0).
    float Width() const { return width_; }
    void SetWidth(float twips);  // refuses negative sizes
    float Height() const { return height_; }
    void SetHeight(float twips);

private:
    std::int16_t outline_ = kRoundedRectangle;
    OleColor fillColor_ = kWhite;
    bool borderDrawn_ = true;
    OleColor borderColor_ = kBlack;
    std::int16_t borderWidth_ = 1;
    float width_ = 2055;
    float height_ = 735;
};

}  // namespace button
