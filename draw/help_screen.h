// The help screen: it replaces the whole editor picture while a help page is up.
#pragma once

#include <cstdint>

#include "engine/canvas.h"

constexpr PixelRect HelpBlockRects[3] = {{40, 40, 890, 240}, {40, 240, 890, 440}, {40, 440, 890, 690}};
constexpr PixelRect AboutLineRect{510, 670, 720, 690};
constexpr PixelRect PageCounterRect{750, 670, 850, 690};

// The page's own texts: its three blocks, the About line and the page counter.
void DrawHelpScreen(Canvas& canvas, int32_t page);
