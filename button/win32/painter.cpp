#include "button/win32/painter.h"

#include <algorithm>
#include <cmath>

#include <olectl.h>

#include "button/win32/caption_font.h"
#include "button/win32/gdi_objects.h"
#include "button/win32/ole_picture.h"
#include "platform/units.h"

namespace button {
namespace {

constexpr double kTwipsPerPoint = platform::kTwipsPerInch / platform::kPointsPerInch;
constexpr double kTwipsPerHimetric = platform::kTwipsPerHimetric<double>;

// Maps twips from the control's top-left corner to device pixels of the target rectangle.
struct Mapping {
    int left, top;
    double x, y;  // pixels per twip

    int X(double twips) const { return left + static_cast<int>(std::lround(twips * x)); }
    int Y(double twips) const { return top + static_cast<int>(std::lround(twips * y)); }
    RECT Area(double l, double t, double width, double height) const {
        return {X(l), Y(t), X(l + width), Y(t + height)};
    }
};

RECT CentredSquare(const RECT& area) {
    const int side = std::min(area.right - area.left, area.bottom - area.top);
    const int left = area.left + (area.right - area.left - side) / 2;
    const int top = area.top + (area.bottom - area.top - side) / 2;
    return {left, top, left + side, top + side};
}

void PaintShape(HDC dc, const Mapping& map, const Shape& shape) {
    const int outline = shape.Outline();
    RECT area = map.Area(0, 0, shape.Width(), shape.Height());
    if (outline == kSquare || outline == kCircle || outline == kRoundedSquare) area = CentredSquare(area);

    GdiObject<HBRUSH> fill(CreateSolidBrush(ResolveColor(shape.FillColor())));
    GdiObject<HPEN> border(shape.BorderDrawn()
                               ? CreatePen(PS_INSIDEFRAME, shape.BorderWidth(), ResolveColor(shape.BorderColor()))
                               : nullptr);
    Selection brush(dc, fill.get());
    Selection pen(dc, border.get() ? static_cast<HGDIOBJ>(border.get()) : GetStockObject(NULL_PEN));
    if (!border.get()) {  // without a pen GDI leaves the right and bottom edges out
        ++area.right;
        ++area.bottom;
    }
    const int corner = std::min(area.right - area.left, area.bottom - area.top) / 3;
    switch (outline) {
        case kOval:
        case kCircle:
            Ellipse(dc, area.left, area.top, area.right, area.bottom);
            break;
        case kRoundedRectangle:
        case kRoundedSquare:
            RoundRect(dc, area.left, area.top, area.right, area.bottom, corner, corner);
            break;
        default:
            Rectangle(dc, area.left, area.top, area.right, area.bottom);
    }
}

void PaintPicture(HDC dc, const Mapping& map, const PictureBox& box) {
    const auto* picture = dynamic_cast<const OlePicture*>(box.Picture().get());
    if (!picture) return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->Interface()->get_Width(&width)) || FAILED(picture->Interface()->get_Height(&height))) return;

    const RECT area = map.Area(box.Left(), box.Top(), box.Width(), box.Height());
    RECT target = area;
    if (!box.Stretch()) {
        target = map.Area(box.Left(), box.Top(), width * kTwipsPerHimetric, height * kTwipsPerHimetric);
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    picture->Interface()->Render(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
                                 0, height, width, -height, nullptr);
    RestoreDC(dc, saved);
}

void PaintCaption(HDC dc, const Mapping& map, const Label& label) {
    GdiObject<HFONT> font(CreateCaptionFont(*label.Font(), kTwipsPerPoint * map.y));
    Selection selected(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColor(label.ForeColor()));
    RECT area = map.Area(label.Left(), label.Top(), label.Width(), label.Height());
    DrawTextW(dc, label.Caption().c_str(), static_cast<int>(label.Caption().size()), &area,
              DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
}

}  // namespace

COLORREF ResolveColor(OleColor color) {
    COLORREF rgb = 0;
    if (FAILED(OleTranslateColor(color, nullptr, &rgb))) return 0;
    return rgb;
}

void PaintButton(HDC dc, const RECT& bounds, const cButton& button, OleColor outside) {
    const double width = button.Width() > 0 ? (bounds.right - bounds.left) / static_cast<double>(button.Width()) : 0;
    const double height = button.Height() > 0 ? (bounds.bottom - bounds.top) / static_cast<double>(button.Height()) : 0;
    const Mapping map{bounds.left, bounds.top, width, height};

    GdiObject<HBRUSH> background(CreateSolidBrush(ResolveColor(outside)));
    FillRect(dc, &bounds, background.get());
    PaintShape(dc, map, button.Ground());
    PaintPicture(dc, map, button.PictureArea());
    PaintCaption(dc, map, button.Caption());
}

}  // namespace button
