#pragma once
// lblCaption: the label that shows the caption. It paints no background of its own, aligns
// its text to the left and fits its width and height to one line of its text whenever its
// caption or font changes; the layout then sets its width again.

#include <string>

#include "button/font.h"
#include "button/ole_color.h"
#include "button/toolkit.h"

namespace button {

class Label {
public:
    // The label's own font object, with the design font: "MS Sans Serif", 12 points.
    explicit Label(Toolkit& toolkit);

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor color) { foreColor_ = color; }
    const FontRef& Font() const { return font_; }
    void FontChanged() { FitToText(); }  // after attributes of Font() were changed

    float Left() const { return left_; }
    void SetLeft(float twips) { left_ = twips; }
    float Top() const { return top_; }
    void SetTop(float twips) { top_ = twips; }
    float Width() const { return width_; }
    void SetWidth(float twips);  // refuses negative widths
    float Height() const { return height_; }

private:
    void FitToText();

    Toolkit& toolkit_;
    std::wstring caption_ = L"cButton";
    OleColor foreColor_ = kBlack;
    FontRef font_;
    float left_ = 600;
    float top_ = 240;
    float width_ = 840;
    float height_ = 300;
};

}  // namespace button
