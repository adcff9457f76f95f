// Drawing the catalogue's pictures: whole pictures keyed on magenta, and the
// one-pixel tiles that buttons and thumbs repeat along their middle.
#pragma once

#include "engine/bitmap.h"
#include "engine/canvas.h"

// The whole picture with its top-left corner at (x, y), magenta left out; nothing
// for a slot that holds no picture.
void DrawPicture(Canvas& canvas, const Bitmap* picture, int x, int y);
// The side-panel picture is the one drawn opaque.
void DrawOpaquePicture(Canvas& canvas, const Bitmap* picture, int x, int y);

// `count` copies of `tile` side by side from (x, y) rightwards, or one under the
// other from (x, y) downwards; the same pixels as drawing each copy on its own.
void DrawTilesAcross(Canvas& canvas, const Bitmap* tile, int x, int y, int count);
void DrawTilesDown(Canvas& canvas, const Bitmap* tile, int x, int y, int count);
