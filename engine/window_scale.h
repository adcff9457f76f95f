// The window's scale on screens of more than 96 DPI. The frame is always composed
// at its own size; the window shows it larger. A scale is given as the DPI it
// stands for: 96 is 1, 144 is 1.5, 192 is 2.
#pragma once

constexpr int UnscaledDpi = 96;
// --scale takes a whole number up to this.
constexpr int LargestRequestedScale = 4;

struct PixelSize {
    int width = 0, height = 0;
};

// The window's client size for a frame of size `frame` at `scaleDpi`.
PixelSize ScaledSize(PixelSize frame, int scaleDpi);

// The scale the window uses: `requestedScale` (1..4, or 0 for none) or else the
// display's `displayDpi`, when a window of that scale fits `usable`, the window
// being `decoration` larger than its client area; otherwise the largest whole
// scale that fits, never below 1. A `usable` area of no size is not known, and
// anything fits it.
int ChooseScaleDpi(int displayDpi, int requestedScale, PixelSize frame, PixelSize decoration, PixelSize usable);

// The frame pixel a window pixel shows most of: the one under its centre, along
// an axis that is `frameLength` long in the frame.
int FramePixelAt(int windowPixel, int frameLength, int scaleDpi);
