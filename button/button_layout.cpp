// Placing the children whenever the host sizes the control. Every step stands alone: one
// that fails (no picture to measure, a size a child refuses) is skipped. Arithmetic is
// single precision and results are handed over unrounded, as the stored layouts expect.

#include "button/button.h"
#include "button/skip_if_refused.h"
#include "button/control_error.h"
#include "platform/units.h"

namespace button {
namespace {

constexpr float kPictureHeightAllowance = 100;
constexpr float kOuterMargin = 120;
constexpr float kGap = 50;

float HimetricToTwips(std::int32_t himetric) { return platform::TwipsFromHimetric(static_cast<float>(himetric)); }

}  // namespace

float cButton::NaturalPictureWidth() const {
    if (!myPic) throw ControlError(kObjectVariableNotSet);
    return HimetricToTwips(myPic->NaturalSize().width);
}

float cButton::NaturalPictureHeight() const {
    if (!myPic) throw ControlError(kObjectVariableNotSet);
    return HimetricToTwips(myPic->NaturalSize().height);
}

void cButton::Resize(float width, float height) {
    width_ = width;
    height_ = height;
    SkipIfRefused([&] { shpGround.SetWidth(width); });
    SkipIfRefused([&] { shpGround.SetHeight(height); });
    SkipIfRefused([&] { imgPicture.SetHeight(Stretch ? height - kPictureHeightAllowance : NaturalPictureHeight()); });
    SkipIfRefused([&] { imgPicture.SetWidth(Stretch ? imgPicture.Height() : NaturalPictureWidth()); });
    // The caption's left is still the one of the previous placement; the next pass corrects it.
    SkipIfRefused([&] { lblCaption.SetWidth(width - lblCaption.Left()); });
    SkipIfRefused([&] { imgPicture.SetTop((height - imgPicture.Height()) / 2); });
    SkipIfRefused([&] { lblCaption.SetTop((height - lblCaption.Height()) / 2); });
    PlacePictureSide();
}

void cButton::PlacePictureSide() {
    if (ButtonAlign == Links) {
        SkipIfRefused([&] { imgPicture.SetLeft(kOuterMargin); });
        SkipIfRefused([&] { lblCaption.SetLeft(imgPicture.Left() + imgPicture.Width() + kGap); });
    } else if (ButtonAlign == Rechts) {
        SkipIfRefused([&] { lblCaption.SetLeft(kOuterMargin); });
        SkipIfRefused([&] { imgPicture.SetLeft(width_ - imgPicture.Width() - kGap); });
    }
}

}  // namespace button
