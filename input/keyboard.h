// Keyboard scrolling and zooming. The editor takes no key messages: the hook
// OnKeys polls six keys once per frame through HandleKeys, so a held key keeps
// acting frame after frame.
#pragma once

#include <cstdint>

// Pixels a held arrow key moves its scroll thumb per frame.
constexpr int32_t ArrowKeyThumbStep = 10;
// A held zoom key acts once in this many frames.
constexpr int32_t ZoomKeyFrames = 6;

// Frames from `earlier` to `later` on the frame counter, across its return to 0.
int32_t FramesBetween(int32_t earlier, int32_t later);

// Acts on the held keys; true when one acted and the screen must be repainted.
bool HandleKeys();
