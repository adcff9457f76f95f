// Sizing and placing the scroll thumbs.
#include "controls/scroll_thumbs.h"

#include <algorithm>

int32_t ScrollThumbLength(int32_t cellSize, int32_t mapCells) {
    const int64_t mapPixels = int64_t(cellSize) * int64_t(mapCells);
    if (mapPixels <= 0) return ScrollTrackLength;
    const int64_t length = int64_t(ScrollTrackLength) * ScrollTrackLength / mapPixels;
    return int32_t(std::min<int64_t>(length, ScrollTrackLength));
}

namespace {
int32_t StartInsideTrack(int32_t start, int32_t length) {
    return std::clamp(start, 0, ScrollTrackLength - length);
}
}  // namespace

Rect HorizontalThumbRect(int32_t start, int32_t length) {
    length = std::clamp(length, 0, ScrollTrackLength);
    const int32_t left = HorizontalTrack.left + StartInsideTrack(start, length);
    return Rect{left, HorizontalTrack.top, left + length, HorizontalTrack.bottom};
}

Rect VerticalThumbRect(int32_t start, int32_t length) {
    length = std::clamp(length, 0, ScrollTrackLength);
    const int32_t top = VerticalTrack.top + StartInsideTrack(start, length);
    return Rect{VerticalTrack.left, top, VerticalTrack.right, top + length};
}
