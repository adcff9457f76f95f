// The icon grids the frame draws into hotspot controls: the information page's
// permission icons and the object page's production icons.
#pragma once

#include <cstdint>

#include "level/level_data.h"

class Canvas;
class Control;

// Icon states: they pick the frame, not whether the icon is dimmed.
constexpr int IconStateDark = 0;
constexpr int IconStateGrey = 2;

// Frame, icon and, when `dimmed`, the dimming overlay, at the control's top left;
// the frame is the light one while the pointer is strictly inside the control.
// A code without an icon draws the frame alone.
void DrawIconCell(Canvas& canvas, const Control& control, int state, int32_t iconCode, bool dimmed);

// The PVT switches (controls 98, 99) and the allowed towers of both sides (100 to 109).
void DrawPermissionIcons(Canvas& canvas);

// One icon per researchable level of `building` in controls 36 to 40.
void DrawProductionIcons(Canvas& canvas, const Building& building);
