// Showing a frame at a window's size. At a whole scale every frame pixel becomes
// an N by N block. At a fractional scale the frame is in effect scaled up by the
// next whole factor and then reduced by averaging: each window pixel is the mean
// of what it covers. Edges stay sharp; only the window pixels that straddle two
// frame pixels mix them, which a plain bilinear stretch would do almost everywhere.
#pragma once

#include <cstddef>

#include "engine/canvas.h"
#include "engine/window_scale.h"

// Fills `target`, `width` by `height` pixels with rows `pitchBytes` apart, with
// `frame` scaled to that size. The target must be no smaller than the frame.
// Keeps its tables between calls: one thread only.
void ScaleFrame(const Canvas& frame, Colour* target, int width, int height, size_t pitchBytes);
// The same for the pixels of `area` of the target alone; the rest stays as it is.
void ScaleFrameArea(const Canvas& frame, Colour* target, int width, int height, size_t pitchBytes,
                    PixelRect area);

// The pixels of a `window` sized window showing a `frame` sized frame whose colour
// depends on the frame's pixels in `frameArea`: at a fractional scale a window
// pixel mixes a frame pixel with the next, so the area reaches one further out.
PixelRect WindowAreaShowing(PixelRect frameArea, PixelSize frame, PixelSize window);
