// Rect: the rectangle every control is drawn in and hit-tested against, in client
// pixels. It keeps the field order of a Windows RECT so the win32 backend can pass
// a copy wherever the system wants one.
#pragma once

#include <cstdint>

#include "engine/canvas.h"

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr void Clear() { *this = Rect{}; }

    constexpr void Set(int32_t newLeft, int32_t newTop, int32_t newRight, int32_t newBottom) {
        left = newLeft;
        top = newTop;
        right = newRight;
        bottom = newBottom;
    }

    constexpr void Offset(int32_t dx, int32_t dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }

    // Strict on all four edges: a click on a control's border line does not reach it.
    constexpr bool Contains(int32_t x, int32_t y) const {
        return left < x && x < right && top < y && y < bottom;
    }

    // The same four values as the canvas's fill and text rectangle, whose right and
    // bottom are exclusive like a system RECT's.
    constexpr PixelRect ToPixelRect() const { return PixelRect{left, top, right, bottom}; }

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};
