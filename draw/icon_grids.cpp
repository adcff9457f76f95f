// Permission and production icons. The two grids read their states the opposite way
// round: a permission that is granted shows a grey frame and a clear icon, while a
// production level that is researched shows a dark frame and a clear icon.
#include "draw/icon_grids.h"

#include <algorithm>

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "draw/bitmap_catalogue.h"
#include "draw/control_drawing.h"
#include "draw/kind_icons.h"
#include "draw/pictures.h"

namespace {

constexpr int32_t PvtIconCode = KindUfo;
constexpr int32_t DimmingOverlayCode = 0;

void DrawPermissionIcon(Canvas& canvas, const FrameView& view, int32_t controlId, int state, int32_t iconCode) {
    if (const Control* control = view.controls.FindControl(controlId))
        DrawIconCell(canvas, *control, state, iconCode, state == IconStateDark, view.Pointer());
}

}  // namespace

void DrawIconCell(Canvas& canvas, const Control& control, int state, int32_t iconCode, bool dimmed,
                  PointerPosition pointer) {
    const Rect rect = control.GetRect();
    const bool hovered = rect.Contains(pointer.x, pointer.y);
    DrawPicture(canvas, interfaceBitmaps[IconFrameSlot + (hovered ? 1 : 0) + state], rect.left, rect.top);
    const Bitmap* icon = KindIcon(iconCode);
    if (icon == nullptr) return;
    DrawPicture(canvas, icon, rect.left, rect.top);
    if (dimmed) DrawPicture(canvas, KindIcon(DimmingOverlayCode), rect.left, rect.top);
}

void DrawPermissionIcons(Canvas& canvas, const FrameView& view) {
    const LevelInfo& info = view.level.levelInfo;
    for (int side = 0; side < 2; ++side) {
        // The file's PVT value 0 is the switch shown clear; 1 shows it dimmed.
        const int pvtState = info.pvtFlag[side] == 0 ? IconStateGrey : IconStateDark;
        DrawPermissionIcon(canvas, view, FirstPvtIconId + side, pvtState, PvtIconCode);
        for (int tower = 0; tower < TowerKinds; ++tower) {
            const int state = info.towersAllowed[tower][side] != 0 ? IconStateGrey : IconStateDark;
            DrawPermissionIcon(canvas, view, FirstTowerIconId + side * TowerIconsPerSide + tower, state,
                               KindSmallTower + tower);
        }
    }
}

void DrawProductionIcons(Canvas& canvas, const FrameView& view, const Building& building) {
    const int levels = std::clamp<int32_t>(building.researchable, 0, ProductionLevels);
    for (int position = 0; position < levels; ++position) {
        const Control* control = view.controls.FindControl(FirstProductionIconId + position);
        if (control == nullptr) continue;
        const int state = position < building.researched ? IconStateDark : IconStateGrey;
        DrawIconCell(canvas, *control, state, building.produced[position + 1], state == IconStateGrey, view.Pointer());
    }
}
