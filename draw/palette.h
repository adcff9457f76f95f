// The fixed colours of the editor's frame, the map view and the panels, and the
// colours that stand for a side (the panel's own in input/side_colours.h).
#pragma once

#include <cstdint>

#include "engine/canvas.h"
#include "input/side_colours.h"

constexpr Colour BackgroundColour = Rgb(45, 50, 46);
constexpr Colour BorderColour = Rgb(0, 0, 0);
constexpr Colour GridColour = Rgb(0, 0, 0);
constexpr Colour HoverOutlineColour = Rgb(255, 255, 0);
constexpr Colour SelectionOutlineColour = Rgb(255, 0, 0);
constexpr Colour MarkedCellCrossColour = Rgb(255, 0, 0);
constexpr Colour TextColour = Rgb(255, 255, 255);
constexpr Colour HoveredCaptionColour = Rgb(0, 0, 0);
constexpr Colour CreditColour = Rgb(255, 42, 42);

// Terrain greys by shade digit, lightest first.
constexpr Colour ShadeColours[4] = {Rgb(185, 185, 185), Rgb(127, 127, 127), Rgb(95, 95, 95),
                                    Rgb(63, 63, 63)};

// Buildings on the map: side 0, 1 and the neutral side 2.
constexpr Colour BuildingMapColour(int32_t side) {
    switch (side) {
    case 0: return Rgb(0, 0, 128);
    case 1: return Rgb(0, 128, 0);
    case 2: return Rgb(255, 255, 255);
    default: return UnknownSideColour;
    }
}

// Units on the map: only the two playing sides.
constexpr Colour UnitMapColour(int32_t side) {
    switch (side) {
    case 0: return Rgb(0, 0, 255);
    case 1: return Rgb(0, 255, 0);
    default: return UnknownSideColour;
    }
}
