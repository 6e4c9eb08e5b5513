// The user's input: clicks, keys and focus. A disabled button still takes focus and sees
// keys, but shows no focus look and raises no Click.

#include "button/button.h"

namespace button {
namespace {

constexpr std::uint16_t kEnter = 13;

}  // namespace

void cButton::Clicked() {
    if (bolBtnEnabled) host_.Click();
}

void cButton::KeyPressed(std::uint16_t characterCode) {
    if (characterCode == kEnter && bolBtnEnabled) host_.Click();
}

void cButton::FocusGained() {
    if (!bolBtnEnabled) return;
    shpGround.SetFillColor(kLightBlue);
    shpGround.SetBorderColor(kMediumBlue);
    shpGround.SetBorderWidth(2);
}

void cButton::FocusLost() {
    if (!bolBtnEnabled) return;
    shpGround.SetFillColor(theCol);
    shpGround.SetBorderColor(kBlack);
    shpGround.SetBorderWidth(1);
}

}  // namespace button
