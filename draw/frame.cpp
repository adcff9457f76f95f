// The order of a frame: background, panel picture, map view and its border, the icon
// grids, the control list, the credit line, then the numbers and names written over
// the controls.
#include "draw/frame.h"

#include <algorithm>
#include <cstdlib>

#include "draw/bitmap_catalogue.h"
#include "draw/control_drawing.h"
#include "draw/help_screen.h"
#include "draw/icon_grids.h"
#include "draw/map_view.h"
#include "draw/palette.h"
#include "draw/panel_values.h"
#include "draw/pictures.h"
#include "engine/font.h"
#include "engine/pixel_spans.h"
#include "input/panel_object.h"

namespace {

const Bitmap* SidePanelPicture() { return interfaceBitmaps[SidePanelSlot]; }

// The part of the surface a step later in the frame paints over in full: the panel
// picture where it has pixels, and the map view once a .map's cells fill it.
// Clearing only around them gives the same picture for less writing.
struct CoveredAreas {
    PixelRect areas[2];
    int count = 0;
};

CoveredAreas AreasPaintedOver(const EditorState& state) {
    CoveredAreas covered;
    if (state.helpPage != 0) return covered;
    const Bitmap* panel = SidePanelPicture();
    if (panel != nullptr && !panel->IsEmpty())
        covered.areas[covered.count++] = {SidePanelLeft, 0, SidePanelLeft + panel->Width(), std::abs(panel->Height())};
    if (state.mapLoaded) {
        const int side = VisibleCellsOf(state) * state.cellSize;
        covered.areas[covered.count++] = {0, 0, side, side};
    }
    return covered;
}

// Fills `rect` in `colour` except where `covered` lies.
void FillAround(Canvas& canvas, PixelRect rect, const CoveredAreas& covered, Colour colour) {
    const PixelRect clip = canvas.Clip();
    const int top = std::max(rect.top, clip.top), bottom = std::min(rect.bottom, clip.bottom);
    const int left = std::max(rect.left, clip.left), right = std::min(rect.right, clip.right);
    for (int y = top; y < bottom; ++y) {
        PixelRect spans[2];
        int count = 0;
        for (int i = 0; i < covered.count; ++i) {
            const PixelRect& area = covered.areas[i];
            if (y >= area.top && y < area.bottom && area.left < area.right) spans[count++] = area;
        }
        if (count == 2 && spans[1].left < spans[0].left) std::swap(spans[0], spans[1]);
        Colour* row = canvas.Row(y);
        int x = left;
        for (int i = 0; i < count; ++i) {
            const int end = std::min(spans[i].left, right);
            if (x < end) FillSpan(row + x, size_t(end - x), colour);
            x = std::max(x, spans[i].right);
        }
        if (x < right) FillSpan(row + x, size_t(right - x), colour);
    }
}

void DrawMapViewBorder(Canvas& canvas) {
    canvas.SetPen(BorderColour);
    canvas.MoveTo(MapViewRect.right, 0);
    canvas.LineTo(MapViewRect.right, MapViewRect.bottom);
    canvas.LineTo(0, MapViewRect.bottom);
}

// Centred across its rectangle and set at its top, as the credit line stands.
void DrawCreditLine(Canvas& canvas) {
    const PixelRect savedClip = canvas.Clip();
    canvas.SetClip({std::max(savedClip.left, CreditLineRect.left), std::max(savedClip.top, CreditLineRect.top),
                    std::min(savedClip.right, CreditLineRect.right),
                    std::min(savedClip.bottom, CreditLineRect.bottom)});
    const int width = CreditLineRect.right - CreditLineRect.left;
    const int left = CreditLineRect.left + (width - TextWidth(CreditLine)) / 2;
    canvas.DrawText(CreditLine, {left, CreditLineRect.top, CreditLineRect.right + width, CreditLineRect.bottom},
                    CreditColour, TextLayout::TopLeftLines);
    canvas.SetClip(savedClip);
}

void DrawEditorScreen(Canvas& canvas, const FrameView& view, const PanelObject& object) {
    const bool objectPage = !view.state.infoMode;
    // The map view and the panel picture do not meet, so the picture can come second:
    // the icons and controls then draw over it while its pixels are still in the cache.
    DrawMapView(canvas, view.Map(), objectPage);
    DrawMapViewBorder(canvas);
    DrawOpaquePicture(canvas, SidePanelPicture(), SidePanelLeft, 0);
    if (!objectPage) {
        DrawPermissionIcons(canvas, view);
        return;
    }
    if (object.building != nullptr && object.building->kind > KindMainBase)
        DrawProductionIcons(canvas, view, *object.building);
}

}  // namespace

void DrawFrame(Canvas& canvas, const FrameView& view) {
    FillAround(canvas, SurfaceRect, AreasPaintedOver(view.state), BackgroundColour);
    const PanelObject object = PanelObjectOf(view.level, view.state);
    if (view.state.helpPage != 0)
        DrawHelpScreen(canvas, view.state.helpPage);
    else
        DrawEditorScreen(canvas, view, object);
    DrawControlList(canvas, view.controls, view.Pointer());
    DrawCreditLine(canvas);
    if (view.state.helpPage != 0) return;
    DrawLevelNumber(canvas, view);
    if (view.state.infoMode) DrawInformationValues(canvas, view); else DrawObjectPanel(canvas, view, object);
}
