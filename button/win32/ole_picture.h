#pragma once
// The platform's standard picture object behind the button's picture interface.

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include "button/picture.h"
#include "platform/win32/com_ptr.h"

namespace button {

class OlePicture final : public Picture {
public:
    explicit OlePicture(platform::ComPtr<IPicture> picture) : picture_(std::move(picture)) {}

    IPicture* Interface() const { return picture_.get(); }
    HimetricSize NaturalSize() const override;

private:
    platform::ComPtr<IPicture> picture_;
};

}  // namespace button
