// Control construction and the bounded move of the scroll thumbs.
#include "controls/control.h"

Control::Control(int32_t id, int32_t kind, int32_t left, int32_t top, int32_t right,
                 int32_t bottom, bool visible, int32_t grey)
    : id(id), kind(kind), rect{left, top, right, bottom}, visible(visible), red(grey),
      green(grey), blue(grey) {}

void Control::SetColour(int32_t newRed, int32_t newGreen, int32_t newBlue) {
    red = newRed;
    green = newGreen;
    blue = newBlue;
}

// A move against an edge stops exactly at it. A control already lying outside its
// range, or longer than it, is moved by the room to the edge, which may be the
// other way; the thumbs are sized to fit their tracks, so they never are.
void Control::MoveWithinRange(int32_t dx, int32_t dy) {
    if (dx < 0) {
        const int32_t room = range.left - rect.left;
        rect.Offset(room < dx ? dx : room, 0);
    }
    if (dx > 0) {
        const int32_t room = range.right - rect.right;
        rect.Offset(dx < room ? dx : room, 0);
    }
    if (dy < 0) {
        const int32_t room = range.top - rect.top;
        rect.Offset(0, room < dy ? dy : room);
    }
    if (dy > 0) {
        const int32_t room = range.bottom - rect.bottom;
        rect.Offset(0, dy < room ? dy : room);
    }
}
