#include "button/win32/ole_picture.h"

#include "button/win32/check.h"

namespace button {

HimetricSize OlePicture::NaturalSize() const {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    Check(picture_->get_Width(&width));
    Check(picture_->get_Height(&height));
    return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

}  // namespace button
