// The icon grids the frame draws into hotspot controls: the information page's
// permission icons and the object page's production icons.
#pragma once

#include <cstdint>

#include "draw/control_drawing.h"
#include "draw/frame_view.h"
#include "level/level_data.h"

class Canvas;
class Control;

// Icon states: they pick the frame, not whether the icon is dimmed.
constexpr int IconStateDark = 0;
constexpr int IconStateGrey = 2;

// Frame, icon and, when `dimmed`, the dimming overlay, at the control's top left;
// the frame is the light one while the pointer is strictly inside the control.
// A code without an icon draws the frame alone.
void DrawIconCell(Canvas& canvas, const Control& control, int state, int32_t iconCode, bool dimmed,
                  PointerPosition pointer);

// The PVT switches and the allowed towers of both sides.
void DrawPermissionIcons(Canvas& canvas, const FrameView& view);

// One icon per researchable level of `building` in the production icon controls.
void DrawProductionIcons(Canvas& canvas, const FrameView& view, const Building& building);
