// Presenting only what changed. Every repaint composes the whole frame, yet most
// repaints change a few small parts of it: a present compares the new frame with
// the one presented last, row by row, and sends only the rectangles that hold
// the changes, joined into a few. Sending is what costs, more so at a large
// scale, under wine or over a remote desktop; comparing rows of memory is cheap.
// The backends share this; each sends the rectangles its own way.
#pragma once

#include <vector>

#include "engine/canvas.h"

class FrameChanges {
public:
    // No more rectangles than this are sent: each one is a request to the system.
    static constexpr int MostAreas = 8;

    // The rectangles of the window, in its pixels at `scaleDpi`, that must be sent
    // for it to show `frame`, which becomes the frame presented. The whole window
    // for the first frame, after SendWholeNext, when the scale or the frame's size
    // changed, and when most of it changed; nothing when nothing did.
    const std::vector<PixelRect>& Take(const Canvas& frame, int scaleDpi);

    // The window no longer shows the last frame (it was uncovered, or what it
    // draws from is new): the next present sends all of it.
    void SendWholeNext() { wholeNext = true; }

    // With `whole`, every frame is sent whole, uncompared, as before frames were
    // compared: what the present benchmark measures the comparison against.
    void SendWholeFrames(bool whole) { wholeFrames = whole; }

    // What the last Take returned.
    const std::vector<PixelRect>& Areas() const { return areas; }

private:
    Canvas presented;
    int presentedScaleDpi = 0;
    bool wholeNext = true;
    bool wholeFrames = false;
    std::vector<PixelRect> areas;
};
