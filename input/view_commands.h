// The map view's scroll and zoom: the scroll position follows the two scroll
// thumbs, and the zoom resizes them.
#pragma once

#include <cstdint>

constexpr int32_t SmallestCellSize = 10;
constexpr int32_t LargestCellSize = 40;

// scrollX and scrollY from where the thumbs now stand on their tracks.
void ScrollXFromThumb();
void ScrollYFromThumb();

// Moves a thumb along its track, as far as the track allows, and scrolls to it.
void MoveHorizontalThumbBy(int32_t dx);
void MoveVerticalThumbBy(int32_t dy);

// Centres a thumb on the pointer as far as its track allows, then scrolls to it.
void CentreHorizontalThumbOnPointer();
void CentreVerticalThumbOnPointer();

// Doubles or halves the cell size within 10..40. Zooming in keeps the top-left
// cell; zooming out goes back to the map's top-left corner.
void ZoomIn();
void ZoomOut();
