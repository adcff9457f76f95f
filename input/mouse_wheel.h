// The mouse wheel scrolls the map view as the arrow keys do, a notch at a
// time, and zooms it with Ctrl. It works on every screen, as the keys do.
#pragma once

#include <cstdint>

#include "input/keyboard.h"

// Pixels a notch moves its scroll thumb: three frames of a held arrow key.
constexpr int32_t WheelNotchThumbStep = 3 * ArrowKeyThumbStep;

// A notch down scrolls down, up scrolls up; with Shift they scroll right and
// left; a tilt right or left scrolls that way. With Ctrl a notch up zooms in
// one step and down zooms out, as the zoom buttons do. True when the screen
// must be repainted.
bool HandleWheel(int notchesRight, int notchesDown, bool ctrl, bool shift);
