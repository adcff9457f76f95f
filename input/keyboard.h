// Keyboard scrolling and zooming. The editor takes no key messages: OnKeys
// (declared with the engine's other hooks) polls six keys once per frame, so a
// held key keeps acting frame after frame.
#pragma once

#include <cstdint>

// Pixels a held arrow key moves its scroll thumb per frame.
constexpr int32_t ArrowKeyThumbStep = 10;
// A held zoom key acts once in this many frames.
constexpr int32_t ZoomKeyFrames = 6;

// Frames from `earlier` to `later` on the frame counter, across its return to 0.
int32_t FramesBetween(int32_t earlier, int32_t later);
