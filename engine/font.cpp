// Glyph lookup in the embedded Unifont table, UTF-8 decoding and text measure.
#include "engine/font.h"

#include <algorithm>
#include <climits>

#include "engine/font_glyphs.h"

namespace {

// Stand-ins for characters the font does not carry: an outline a pixel inside the cell,
// clearly not a letter, so missing text is noticed rather than silently dropped.
constexpr unsigned char NarrowBox[GlyphHeight] = {
    0x00, 0x00, 0x7E, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x7E, 0x00, 0x00};
constexpr unsigned char WideBox[2 * GlyphHeight] = {
    0x00, 0x00, 0x00, 0x00, 0x7F, 0xFE, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02,
    0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x7F, 0xFE, 0x00, 0x00, 0x00, 0x00};

bool IsInvisible(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

// East Asian wide and fullwidth blocks, roughly; only used to size the box of a missing glyph.
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::optional<Glyph> FindGlyph(char32_t c) {
    const GlyphRun* end = GlyphRuns + GlyphRunCount;
    const GlyphRun* run =
        std::upper_bound(GlyphRuns, end, c, [](char32_t code, const GlyphRun& r) { return code < r.first; });
    if (run == GlyphRuns) return std::nullopt;
    --run;
    if (c > run->last) return std::nullopt;
    const size_t bytesPerGlyph = size_t(run->width) * 2;
    return Glyph{run->width, GlyphBits + run->offset + size_t(c - run->first) * bytesPerGlyph};
}

Glyph GlyphToDraw(char32_t c) {
    if (IsInvisible(c)) return {};
    if (const std::optional<Glyph> glyph = FindGlyph(c)) return *glyph;
    return IsWide(c) ? Glyph{16, WideBox} : Glyph{8, NarrowBox};
}

char32_t DecodeUtf8(std::string_view text, size_t& position) {
    if (position >= text.size()) {
        position = text.size();
        return ReplacementCharacter;
    }
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(position);
    if (lead < 0x80) {
        ++position;
        return lead;
    }
    // The lead byte fixes the length and, to rule out overlong forms, surrogates and values
    // above U+10FFFF, the range of the second byte.
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        ++position;  // a continuation byte on its own, or a byte that never starts a sequence
        return ReplacementCharacter;
    }
    for (int i = 1; i < length; ++i) {
        const size_t at = position + size_t(i);
        if (at >= text.size()) {
            position = text.size();
            return ReplacementCharacter;
        }
        const unsigned char byte = byteAt(at);
        const bool fits = i == 1 ? byte >= low && byte <= high : IsContinuation(byte);
        if (!fits) {
            position = at;  // the offending byte may start the next character
            return ReplacementCharacter;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    position += size_t(length);
    return value;
}

int TextWidth(std::string_view utf8) {
    long long width = 0;
    for (size_t position = 0; position < utf8.size();) width += GlyphToDraw(DecodeUtf8(utf8, position)).width;
    return int(std::min<long long>(width, INT_MAX));
}
