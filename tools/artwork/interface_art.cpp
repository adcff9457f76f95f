// The interface pieces: button ends and middles, scroll-thumb pieces, icon frames and
// the dimming overlay. A button is cut from one long drawn button, so its ends and its
// one-pixel middle always meet without a seam.
#include "tools/artwork/artwork.h"
#include "tools/artwork/sketch.h"

namespace {

struct PieceColours {
    Colour border, highlight, top, bottom, shadow;
};

constexpr PieceColours DarkPiece{Rgb(20, 22, 21), Rgb(138, 144, 140), Rgb(92, 97, 94),
                                 Rgb(50, 54, 52), Rgb(32, 35, 33)};
constexpr PieceColours LightPiece{Rgb(58, 70, 56), Rgb(244, 250, 238), Rgb(204, 218, 198),
                                  Rgb(150, 170, 146), Rgb(112, 128, 108)};

// A button 30 pixels long and 20 high (or the same turned upright for the thumb),
// lit from the top (from the left when upright).
Canvas DrawLongPiece(const PieceColours& colours, double radius, bool upright) {
    const int width = upright ? 20 : 30, height = upright ? 30 : 20;
    Sketch sketch(width, height, 8);
    const double w = width, h = height;
    sketch.RoundRect(0, 0, w, h, radius, Solid(colours.border));
    sketch.RoundRect(1, 1, w - 1, h - 1, radius - 1, Solid(colours.shadow));
    // The lit edge is the top of a button and the left of an upright thumb.
    if (upright) {
        sketch.RoundRect(1, 1, w - 2, h - 1, radius - 1, Solid(colours.highlight));
        sketch.RoundRect(2, 1.6, w - 2, h - 1.6, radius - 1.5,
                         Linear({2, 0}, colours.top, {w - 2, 0}, colours.bottom));
    } else {
        sketch.RoundRect(1, 1, w - 1, h - 2, radius - 1, Solid(colours.highlight));
        sketch.RoundRect(1.6, 2, w - 1.6, h - 2, radius - 1.5,
                         Linear({0, 2}, colours.top, {0, h - 2}, colours.bottom));
    }
    return sketch.Resolve(true);
}

Canvas Crop(const Canvas& from, int left, int top, int width, int height) {
    Canvas piece(width, height, Magenta);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) piece.PutPixel(x, y, from.Pixel(left + x, top + y));
    return piece;
}

Canvas ButtonPiece(const PieceColours& colours, double radius, int part) {
    const Canvas whole = DrawLongPiece(colours, radius, false);
    if (part == 0) return Crop(whole, 0, 0, 10, 20);
    if (part == 1) return Crop(whole, 15, 0, 1, 20);
    return Crop(whole, 20, 0, 10, 20);
}

Canvas ThumbPiece(int part) {
    const Canvas whole = DrawLongPiece(DarkPiece, 5, true);
    if (part == 0) return Crop(whole, 0, 0, 20, 10);
    if (part == 1) return Crop(whole, 0, 15, 20, 1);
    return Crop(whole, 0, 20, 20, 10);
}

struct FrameColours {
    Colour border, highlight, shadow, top, bottom;
};

Canvas DrawFrame(const FrameColours& colours) {
    Sketch sketch(40, 40, 8);
    sketch.RoundRect(0, 0, 40, 40, 6, Solid(colours.border));
    sketch.RoundRect(1, 1, 39, 39, 5, Solid(colours.shadow));
    sketch.RoundRect(1, 1, 38, 38, 5, Solid(colours.highlight));
    sketch.RoundRect(2, 2, 38, 38, 4.5, Linear({0, 2}, colours.top, {0, 38}, colours.bottom));
    return sketch.Resolve(true);
}

}  // namespace

Canvas DrawButtonLeftLight() { return ButtonPiece(LightPiece, 6, 0); }
Canvas DrawButtonLeftDark() { return ButtonPiece(DarkPiece, 6, 0); }
Canvas DrawButtonMiddleLight() { return ButtonPiece(LightPiece, 6, 1); }
Canvas DrawButtonMiddleDark() { return ButtonPiece(DarkPiece, 6, 1); }
Canvas DrawButtonRightLight() { return ButtonPiece(LightPiece, 6, 2); }
Canvas DrawButtonRightDark() { return ButtonPiece(DarkPiece, 6, 2); }
// The square set keeps a hint of rounding so the corner pixels stay part of the piece.
Canvas DrawSquareLeft() { return ButtonPiece(DarkPiece, 1.2, 0); }
Canvas DrawSquareMiddle() { return ButtonPiece(DarkPiece, 1.2, 1); }
Canvas DrawSquareRight() { return ButtonPiece(DarkPiece, 1.2, 2); }
Canvas DrawThumbTop() { return ThumbPiece(0); }
Canvas DrawThumbMiddle() { return ThumbPiece(1); }
Canvas DrawThumbBottom() { return ThumbPiece(2); }

Canvas DrawFrameDark() {
    return DrawFrame({Rgb(14, 16, 15), Rgb(92, 98, 94), Rgb(24, 26, 25), Rgb(64, 69, 66), Rgb(40, 44, 42)});
}
Canvas DrawFrameLight() {
    return DrawFrame({Rgb(56, 68, 54), Rgb(240, 246, 234), Rgb(110, 126, 106), Rgb(190, 206, 184),
                      Rgb(150, 170, 146)});
}
Canvas DrawFrameGrey() {
    return DrawFrame({Rgb(28, 30, 29), Rgb(168, 172, 169), Rgb(66, 69, 67), Rgb(124, 128, 125),
                      Rgb(98, 102, 99)});
}
Canvas DrawFramePale() {
    return DrawFrame({Rgb(84, 92, 82), Rgb(255, 255, 252), Rgb(162, 172, 158), Rgb(230, 236, 224),
                      Rgb(204, 214, 198)});
}

Canvas DrawDimmingOverlay() {
    Canvas overlay(40, 40, Rgb(26, 26, 26));
    for (int y = 0; y < 40; y += 2)
        for (int x = 0; x < 40; x += 2) overlay.PutPixel(x, y, Magenta);
    return overlay;
}
