// The geometry of the two scroll bars under and beside the map view, and the
// sizing of their thumbs from the zoom and the map size.
#pragma once

#include <cstdint>

#include "controls/rect.h"

// Both tracks run along the whole 640-pixel side of the map view.
constexpr int32_t ScrollTrackLength = 640;
constexpr Rect HorizontalTrack{0, 645, 640, 665};
constexpr Rect VerticalTrack{645, 0, 665, 640};

// 640 x visible cells / map cells: the share of the map the view shows. A map
// smaller than the view would give more than the track, so the length is capped
// at the track; an empty map (no cells) gets the whole track.
int32_t ScrollThumbLength(int32_t cellSize, int32_t mapCells);

// A thumb of `length` pixels starting `start` pixels along its track, kept
// inside the track.
Rect HorizontalThumbRect(int32_t start, int32_t length);
Rect VerticalThumbRect(int32_t start, int32_t length);
