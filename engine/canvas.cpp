// Canvas: filling, lines and pixel blocks, all clipped.
#include "engine/canvas.h"

#include <algorithm>
#include <cstdlib>

#include "engine/pixel_spans.h"

Canvas::Canvas(int width, int height, Colour fill) { Resize(width, height, fill); }

void Canvas::Resize(int newWidth, int newHeight, Colour fill) {
    width = std::max(newWidth, 0);
    height = std::max(newHeight, 0);
    // Cleared and filled apart: a zero fill of a fixed value is one memset, which a
    // new window's first frames wait for twice (the off-screen frame, the paint surface).
    const size_t count = size_t(width) * size_t(height);
    pixels.clear();
    pixels.resize(count);
    if (fill != 0) FillSpan(pixels.data(), count, fill);
    ResetClip();
}

Colour Canvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return pixels[size_t(y) * size_t(width) + size_t(x)];
}

void Canvas::SetClip(PixelRect rect) {
    clip.left = std::clamp(rect.left, 0, width);
    clip.top = std::clamp(rect.top, 0, height);
    clip.right = std::clamp(rect.right, clip.left, width);
    clip.bottom = std::clamp(rect.bottom, clip.top, height);
}

void Canvas::ResetClip() { clip = {0, 0, width, height}; }

void Canvas::PutPixel(int x, int y, Colour colour) {
    if (x < clip.left || y < clip.top || x >= clip.right || y >= clip.bottom) return;
    pixels[size_t(y) * size_t(width) + size_t(x)] = colour;
}

void Canvas::Fill(Colour colour) { FillRect({0, 0, width, height}, colour); }

void Canvas::FillRect(PixelRect rect, Colour colour) {
    const int left = std::max(rect.left, clip.left);
    const int top = std::max(rect.top, clip.top);
    const int right = std::min(rect.right, clip.right);
    const int bottom = std::min(rect.bottom, clip.bottom);
    if (right <= left || bottom <= top) return;
    for (int y = top; y < bottom; ++y) FillSpan(Row(y) + left, size_t(right - left), colour);
}

void Canvas::LineTo(int x1, int y1) {
    // Bresenham from the pen position; the end point is left for the next segment.
    int x = penX, y = penY;
    const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
    const int stepX = x < x1 ? 1 : -1, stepY = y < y1 ? 1 : -1;
    int error = dx + dy;
    if (x1 - x == 0 && y1 - y == 0) return;
    // Axis-aligned lines are the common case (grids, outlines): fill them as spans.
    if (dy == 0) {
        FillRect(stepX > 0 ? PixelRect{x, y, x1, y + 1} : PixelRect{x1 + 1, y, x + 1, y + 1}, pen);
    } else if (dx == 0) {
        FillRect(stepY > 0 ? PixelRect{x, y, x + 1, y1} : PixelRect{x, y1 + 1, x + 1, y + 1}, pen);
    } else {
        while (x != x1 || y != y1) {
            PutPixel(x, y, pen);
            const int doubled = 2 * error;
            if (doubled >= dy) { error += dy; x += stepX; }
            if (doubled <= dx) { error += dx; y += stepY; }
        }
    }
    penX = x1;
    penY = y1;
}

void Canvas::BlitPixels(const Colour* source, int sourceWidth, int sourceHeight, int x, int y,
                        bool keyed, Colour key) {
    if (source == nullptr || sourceWidth <= 0 || sourceHeight <= 0) return;
    // 64-bit edges: a picture placed near the int range must not wrap around.
    const int left = int(std::max<int64_t>(x, clip.left));
    const int top = int(std::max<int64_t>(y, clip.top));
    const int right = int(std::min<int64_t>(int64_t(x) + sourceWidth, clip.right));
    const int bottom = int(std::min<int64_t>(int64_t(y) + sourceHeight, clip.bottom));
    if (right <= left || bottom <= top) return;
    for (int row = top; row < bottom; ++row) {
        const Colour* from = source + size_t(row - y) * size_t(sourceWidth) + size_t(left - x);
        Colour* to = Row(row) + left;
        const int count = right - left;
        // Icons and button ends are keyed on every repaint.
        if (keyed)
            CopyKeyedSpan(to, from, size_t(count), key);
        else
            std::copy(from, from + count, to);
    }
}
