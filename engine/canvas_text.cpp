// Canvas::DrawText: UTF-8 text in the embedded Unifont glyphs on a transparent background.
// Captions are drawn on every repaint, so this walks the text without allocating and
// clips whole glyphs, rows and columns before touching pixels.
#include <algorithm>
#include <bit>
#include <cstdint>

#include "engine/canvas.h"
#include "engine/font.h"

namespace {

// Sets the lit pixels of `glyph` with its top-left corner at (x, y), inside `area`, which
// already lies within the surface. Positions are 64-bit because a long centred text can
// start far to the left of an int.
void DrawGlyph(Canvas& canvas, const Glyph& glyph, int64_t x, int64_t y, const PixelRect& area,
               Colour colour) {
    const int64_t left = std::max<int64_t>(x, area.left);
    const int64_t right = std::min<int64_t>(x + glyph.width, area.right);
    const int64_t top = std::max<int64_t>(y, area.top);
    const int64_t bottom = std::min<int64_t>(y + GlyphHeight, area.bottom);
    if (left >= right || top >= bottom) return;
    // Glyph::Row puts column c in bit 15 - c; keep only the columns inside the area.
    const unsigned firstColumn = unsigned(left - x), endColumn = unsigned(right - x);
    const unsigned columns = (0xFFFFu >> firstColumn) & ~(0xFFFFu >> endColumn);
    for (int64_t row = top; row < bottom; ++row) {
        unsigned bits = glyph.Row(int(row - y)) & columns;
        Colour* pixels = canvas.Row(int(row));
        // Right to left, clearing the lowest lit bit: each step then waits on one
        // cheap instruction, not on a count, a shift and a mask in a row.
        while (bits != 0) {
            pixels[x + 15 - std::countr_zero(bits)] = colour;
            bits &= bits - 1;
        }
    }
}

}  // namespace

// Single-line layouts treat a line feed like every other control character: it draws
// nothing and takes no room, so a stray one cannot push a caption out of its control.
// TopLeftLines starts a new line, GlyphHeight pixels down, at each line feed and nowhere
// else; a carriage return draws nothing, so CR LF breaks once.
void Canvas::DrawText(std::string_view utf8, PixelRect rect, Colour colour, TextLayout layout) {
    const PixelRect area{std::max(rect.left, clip.left), std::max(rect.top, clip.top),
                         std::min(rect.right, clip.right), std::min(rect.bottom, clip.bottom)};
    if (area.IsEmpty() || utf8.empty()) return;

    const int64_t rectWidth = int64_t(rect.right) - rect.left;
    const int64_t rectHeight = int64_t(rect.bottom) - rect.top;
    int64_t x = rect.left, y = rect.top;
    switch (layout) {
    case TextLayout::LeftMiddle:
        y += (rectHeight - GlyphHeight) / 2;
        break;
    case TextLayout::Centred:
        x += (rectWidth - TextWidth(utf8)) / 2;
        y += (rectHeight - GlyphHeight) / 2;
        break;
    case TextLayout::TopLeftLines:
        break;
    }
    const bool multiLine = layout == TextLayout::TopLeftLines;
    const int64_t lineLeft = x;

    for (size_t position = 0; position < utf8.size();) {
        if (y >= area.bottom) return;
        if (x >= area.right || y + GlyphHeight <= area.top) {
            // Nothing more of this line can show. A line feed byte never occurs inside a
            // sequence the decoder accepts, so searching the bytes finds the next line.
            if (!multiLine) return;
            position = utf8.find('\n', position);
            if (position == std::string_view::npos) return;
        }
        const char32_t c = DecodeUtf8(utf8, position);
        if (multiLine && c == U'\n') {
            x = lineLeft;
            y += GlyphHeight;
            continue;
        }
        const Glyph glyph = GlyphToDraw(c);
        if (glyph.width == 0) continue;
        if (x + glyph.width > area.left) DrawGlyph(*this, glyph, x, y, area, colour);
        x += glyph.width;
    }
}
