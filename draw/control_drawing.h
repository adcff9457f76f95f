// Drawing the controls of the control list by their kinds, and the interface
// pieces they are made of.
#pragma once

#include <cstdint>

class Canvas;
class Control;
class ControlList;

// Where the pointer was at the last mouse movement, in client pixels; a button
// or icon cell under it is drawn lit.
struct PointerPosition {
    int32_t x = 0;
    int32_t y = 0;
};

// Slots of the interface pictures in the bitmap catalogue.
enum InterfaceSlot : int {
    SidePanelSlot = 0,
    ButtonLeftSlot = 1,     // +1: the light piece under the pointer
    ButtonMiddleSlot = 3,
    ButtonRightSlot = 5,
    ThumbTopSlot = 10,
    ThumbMiddleSlot = 11,
    ThumbBottomSlot = 12,
    IconFrameSlot = 13,     // + 1 under the pointer, + the icon's state (0 or 2)
};

// A button is hovered while the pointer is strictly inside it; no other kind is.
bool IsHovered(const Control& control, PointerPosition pointer);

void DrawControl(Canvas& canvas, const Control& control, PointerPosition pointer);

// Every visible control in list order; hotspots are left to the painter, who
// draws icons into them.
void DrawControlList(Canvas& canvas, const ControlList& controls, PointerPosition pointer);
