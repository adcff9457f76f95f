// Drawing one control of the control list by its kind, and the interface
// pieces it is made of.
#pragma once

class Canvas;
class Control;

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
bool IsHovered(const Control& control);

void DrawControl(Canvas& canvas, const Control& control);
