// The help screen: it replaces the whole editor picture while a help page is up.
#pragma once

#include "engine/canvas.h"

constexpr PixelRect PageCounterRect{750, 670, 850, 690};

// Sets the help page's control visibility and draws the page's own texts.
void DrawHelpScreen(Canvas& canvas);
