// Frame composition: the whole client area drawn again from the level and the
// editor state. Every change on screen is made this way; there are no partial
// redraws.
#pragma once

#include "draw/frame_view.h"
#include "engine/canvas.h"

constexpr PixelRect SurfaceRect{0, 0, 960, 720};  // cleared first; larger than the client area
constexpr int SidePanelLeft = 670;
constexpr PixelRect CreditLineRect{200, 670, 390, 690};
// The author's address under the map; a reserved name, as we have no site.
constexpr char CreditLine[] = "www.tarnhold.example";

// Composes the frame for the screen that is up. It changes nothing but the canvas.
void DrawFrame(Canvas& canvas, const FrameView& view);
