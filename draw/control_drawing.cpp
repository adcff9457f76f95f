// Drawing of the controls by kind. Buttons and thumbs are built from the catalogue's
// pieces: two ten-pixel ends and a one-pixel middle repeated between them.
#include "draw/control_drawing.h"

#include "controls/control.h"
#include "controls/control_list.h"
#include "draw/bitmap_catalogue.h"
#include "draw/palette.h"
#include "draw/pictures.h"
#include "engine/canvas.h"

namespace {

constexpr int EndLength = 10;

const Bitmap* Piece(int slot) { return interfaceBitmaps[slot]; }

void DrawHorizontalPieces(Canvas& canvas, const Rect& rect, bool hovered) {
    const int light = hovered ? 1 : 0;
    DrawPicture(canvas, Piece(ButtonLeftSlot + light), rect.left, rect.top);
    DrawTilesAcross(canvas, Piece(ButtonMiddleSlot + light), rect.left + EndLength, rect.top,
                    rect.Width() - 2 * EndLength);
    DrawPicture(canvas, Piece(ButtonRightSlot + light), rect.right - EndLength, rect.top);
}

void DrawVerticalPieces(Canvas& canvas, const Rect& rect) {
    DrawPicture(canvas, Piece(ThumbTopSlot), rect.left, rect.top);
    DrawTilesDown(canvas, Piece(ThumbMiddleSlot), rect.left, rect.top + EndLength, rect.Height() - 2 * EndLength);
    DrawPicture(canvas, Piece(ThumbBottomSlot), rect.left, rect.bottom - EndLength);
}

Colour ControlColour(const Control& control) {
    return Rgb(uint8_t(control.GetRed()), uint8_t(control.GetGreen()), uint8_t(control.GetBlue()));
}

}  // namespace

bool IsHovered(const Control& control, PointerPosition pointer) {
    return control.GetKind() == KindButton && control.GetRect().Contains(pointer.x, pointer.y);
}

void DrawControl(Canvas& canvas, const Control& control, PointerPosition pointer) {
    const Rect rect = control.GetRect();
    const bool hovered = IsHovered(control, pointer);
    switch (control.GetKind()) {
    case KindPanel:
        canvas.FillRect(rect.ToPixelRect(), ControlColour(control));
        break;
    case KindButton:
        DrawHorizontalPieces(canvas, rect, hovered);
        break;
    case KindHorizontalThumb:
        DrawHorizontalPieces(canvas, rect, false);
        break;
    case KindVerticalThumb:
        DrawVerticalPieces(canvas, rect);
        break;
    default:
        break;
    }
    if (!control.HasCaption()) return;
    switch (control.GetKind()) {
    case KindPanel:
    case KindLabel:
        canvas.DrawText(control.GetCaption(), rect.ToPixelRect(), TextColour, TextLayout::LeftMiddle);
        break;
    case KindButton:
        canvas.DrawText(control.GetCaption(), rect.ToPixelRect(), hovered ? HoveredCaptionColour : TextColour,
                        TextLayout::Centred);
        break;
    default:
        break;
    }
}

void DrawControlList(Canvas& canvas, const ControlList& controls, PointerPosition pointer) {
    for (int32_t id = 1; id <= controls.Count(); ++id) {
        const Control* control = controls.FindControl(id);
        if (control == nullptr || !control->IsVisible() || control->GetKind() == KindHotspot) continue;
        DrawControl(canvas, *control, pointer);
    }
}
