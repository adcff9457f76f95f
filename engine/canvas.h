// Canvas: the editor's drawing surface. Every frame is composed here in our own
// 32-bit pixels (0x00RRGGBB), so every platform shows the same picture and tests
// can read it without a display.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

using Colour = uint32_t;  // 0x00RRGGBB, the layout of an XRGB8888 surface and a 32-bit DIB

constexpr Colour Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return (Colour(red) << 16) | (Colour(green) << 8) | Colour(blue);
}
constexpr uint8_t RedOf(Colour c) { return uint8_t(c >> 16); }
constexpr uint8_t GreenOf(Colour c) { return uint8_t(c >> 8); }
constexpr uint8_t BlueOf(Colour c) { return uint8_t(c); }

// Left and top inclusive, right and bottom exclusive.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

enum class TextLayout {
    LeftMiddle,   // one line, left-aligned, centred vertically
    Centred,      // one line, centred both ways
    TopLeftLines, // from the top-left corner, a new line at every line feed only
};

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Colour fill = 0);

    void Resize(int width, int height, Colour fill = 0);
    int Width() const { return width; }
    int Height() const { return height; }
    bool IsEmpty() const { return pixels.empty(); }

    Colour Pixel(int x, int y) const;  // 0 outside the surface
    Colour* Row(int y) { return pixels.data() + size_t(y) * size_t(width); }
    const Colour* Row(int y) const { return pixels.data() + size_t(y) * size_t(width); }
    const std::vector<Colour>& Pixels() const { return pixels; }

    // Every operation is clipped to the clip rectangle, which is itself kept inside the surface.
    void SetClip(PixelRect clip);
    void ResetClip();
    PixelRect Clip() const { return clip; }

    void PutPixel(int x, int y, Colour colour);
    void Fill(Colour colour);
    void FillRect(PixelRect rect, Colour colour);

    // One-pixel lines with the pen: the first point is drawn, the last is not.
    void SetPen(Colour colour) { pen = colour; }
    Colour Pen() const { return pen; }
    void MoveTo(int x, int y) { penX = x; penY = y; }
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1) { MoveTo(x0, y0); LineTo(x1, y1); }

    // UTF-8 text on a transparent background, clipped to `rect` and the clip rectangle.
    void DrawText(std::string_view utf8, PixelRect rect, Colour colour, TextLayout layout);

    // Copies a block of pixels (`sourceWidth` wide) to (x, y); with `keyed`, pixels equal
    // to `key` leave the surface unchanged.
    void BlitPixels(const Colour* source, int sourceWidth, int sourceHeight, int x, int y,
                    bool keyed, Colour key);
    void Blit(const Canvas& source, int x, int y) {
        BlitPixels(source.pixels.data(), source.width, source.height, x, y, false, 0);
    }

private:
    int width = 0, height = 0;
    std::vector<Colour> pixels;
    PixelRect clip;
    Colour pen = 0;
    int penX = 0, penY = 0;
};
