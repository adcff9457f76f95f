// Picture drawing for the controls and icons. A button's middle is one column of
// pixels repeated; drawing it as one span per row instead of one transfer per column
// keeps the control list cheap on the hot path of every mouse move.
#include "draw/pictures.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "draw/bitmap_catalogue.h"
#include "engine/pixel_spans.h"

namespace {

bool HasPixels(const Bitmap* picture) { return picture != nullptr && !picture->IsEmpty(); }
int Rows(const Bitmap& picture) { return std::abs(picture.Height()); }
bool IsTransparent(Colour pixel) { return (pixel & 0xFFFFFF) == TransparentColour; }

}  // namespace

void DrawPicture(Canvas& canvas, const Bitmap* picture, int x, int y) {
    if (HasPixels(picture)) picture->Blit(canvas, x, y, true, TransparentColour);
}

void DrawOpaquePicture(Canvas& canvas, const Bitmap* picture, int x, int y) {
    if (HasPixels(picture)) picture->Blit(canvas, x, y, false, 0);
}

void DrawTilesAcross(Canvas& canvas, const Bitmap* tile, int x, int y, int count) {
    if (!HasPixels(tile) || count <= 0) return;
    if (tile->Width() != 1) {
        for (int i = 0; i < count; ++i) DrawPicture(canvas, tile, x + i * tile->Width(), y);
        return;
    }
    const Colour* pixels = tile->Pixels();
    for (int row = 0; row < Rows(*tile); ++row) {
        if (!IsTransparent(pixels[row])) canvas.FillRect({x, y + row, x + count, y + row + 1}, pixels[row]);
    }
}

void DrawTilesDown(Canvas& canvas, const Bitmap* tile, int x, int y, int count) {
    if (!HasPixels(tile) || count <= 0) return;
    if (Rows(*tile) != 1) {
        for (int i = 0; i < count; ++i) DrawPicture(canvas, tile, x, y + i * Rows(*tile));
        return;
    }
    // The same row over and over: clip it once, then key it onto each row in turn.
    const PixelRect clip = canvas.Clip();
    const int left = std::max(x, clip.left), right = std::min<int64_t>(int64_t(x) + tile->Width(), clip.right);
    const int top = std::max(y, clip.top), bottom = std::min<int64_t>(int64_t(y) + count, clip.bottom);
    const Colour* from = tile->Pixels() + (left - x);
    for (int row = top; row < bottom; ++row) {
        Colour* to = canvas.Row(row) + left;
        CopyKeyedSpan(to, from, size_t(std::max(right - left, 0)), TransparentColour);
    }
}
