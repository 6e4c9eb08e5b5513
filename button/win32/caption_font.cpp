#include "button/win32/caption_font.h"

#include <cmath>

#include "button/control_error.h"

namespace button {

HFONT CreateCaptionFont(const Font& font, double pixelsPerPoint) {
    LOGFONTW description = {};
    try {
        description.lfHeight = -static_cast<LONG>(std::lround(font.Size() * pixelsPerPoint));
        description.lfWeight = font.Weight();
        description.lfItalic = font.Italic();
        description.lfUnderline = font.Underline();
        description.lfStrikeOut = font.Strikethrough();
        description.lfCharSet = static_cast<BYTE>(font.Charset());
        lstrcpynW(description.lfFaceName, font.Name().c_str(), LF_FACESIZE);
    } catch (const ControlError&) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
    }
    return CreateFontIndirectW(&description);
}

}  // namespace button
