#include "button/label.h"

#include "button/control_error.h"

namespace button {

Label::Label(Toolkit& toolkit) : toolkit_(toolkit), font_(toolkit.NewFont()) {
    font_->SetName(L"MS Sans Serif");
    font_->SetSize(12);
    font_->SetWeight(400);
    font_->SetCharset(0);
}

void Label::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    FitToText();
}

void Label::SetWidth(float twips) {
    if (!(twips >= 0)) throw ControlError(kInvalidPropertyValue);
    width_ = twips;
}

void Label::FitToText() {
    const TextExtent extent = toolkit_.MeasureLine(caption_, *font_);
    width_ = extent.width;
    height_ = extent.height;
}

}  // namespace button
