// The embedded GNU Unifont glyphs. The definitions are generated at build time by
// tools/unifont_to_cpp.awk; engine/font.h is the way to read them.
#pragma once

#include <cstdint>

// Consecutive code points whose glyphs all have one width. The glyph of code point c
// starts at GlyphBits[offset + (c - first) * width * 2]: 16 rows of width / 8 bytes,
// leftmost pixel in the high bit, as in the .hex file.
struct GlyphRun {
    char32_t first;
    char32_t last;
    uint8_t width;  // 8 or 16
    uint32_t offset;
};

extern const GlyphRun GlyphRuns[];  // ascending, without overlaps
extern const int GlyphRunCount;
extern const unsigned char GlyphBits[];
extern const int GlyphBitsSize;
