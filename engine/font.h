// The editor's one font: GNU Unifont, 8x16 halfwidth and 16x16 fullwidth glyphs, embedded
// in the program so Chinese shows the same on every system. Also the UTF-8 decoding and
// the text measure that Canvas::DrawText builds on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

constexpr int GlyphHeight = 16;
constexpr char32_t ReplacementCharacter = 0xFFFD;

struct Glyph {
    int width = 0;                        // 8 or 16 pixels; 0 for a character that draws nothing
    const unsigned char* bits = nullptr;  // GlyphHeight rows of width / 8 bytes, leftmost pixel high

    // One row with the leftmost pixel in bit 15, so both widths read alike.
    uint16_t Row(int y) const {
        return width == 16 ? uint16_t(bits[2 * y] << 8 | bits[2 * y + 1]) : uint16_t(bits[y] << 8);
    }
};

// The embedded glyph of a code point, if the font has one.
std::optional<Glyph> FindGlyph(char32_t c);

// What a character puts into a line of text. Control characters (C0, DEL, C1) and the
// invisible format characters (soft hyphen, zero-width and direction marks, byte order
// mark) draw nothing and take no room. A character without an embedded glyph draws a box:
// 16 pixels wide for East Asian wide characters (CJK, Hangul, fullwidth forms), else 8,
// so a missing glyph still takes about the room it would have taken.
Glyph GlyphToDraw(char32_t c);

// Decodes the character that starts at `position` and moves `position` past it. Never
// reads past the end of `text`. A malformed sequence (stray continuation byte, truncated
// or overlong sequence, surrogate, value above U+10FFFF) yields U+FFFD and is skipped as
// the longest prefix that could have begun a valid sequence, at least one byte. At or past
// the end it gives U+FFFD and leaves `position` at the end.
char32_t DecodeUtf8(std::string_view text, size_t& position);

// Width in pixels of `utf8` drawn as one line (a line feed takes no room).
int TextWidth(std::string_view utf8);
