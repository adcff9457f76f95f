// The colour that stands for a side in the right-hand panel. The side box control
// keeps it as its own colour, so the editor state sets it there before a paint;
// drawing writes the panel's texts in it.
#pragma once

#include <cstdint>

#include "engine/canvas.h"

// A side without a colour of its own is shown in black, so a damaged record stands
// out instead of borrowing the colour of whatever was drawn before it.
constexpr Colour UnknownSideColour = Rgb(0, 0, 0);

// The object title, its values, the side box and the information page's value columns.
constexpr Colour SidePanelColour(int32_t side) {
    switch (side) {
    case 0: return Rgb(0, 0, 255);
    case 1: return Rgb(0, 127, 0);
    case 2: return Rgb(255, 255, 255);
    default: return UnknownSideColour;
    }
}
