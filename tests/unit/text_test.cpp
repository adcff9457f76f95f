// The embedded font against the Unifont .hex it was made from, UTF-8 decoding, and where
// DrawText puts glyph pixels in each layout.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/canvas.h"
#include "engine/font.h"
#include "engine/font_glyphs.h"

namespace {

struct HexGlyph {
    int width = 0;
    uint16_t rows[GlyphHeight] = {};  // leftmost pixel in bit 15
};

// The font's source, read independently of the generator.
const std::map<char32_t, HexGlyph>& UnifontHex() {
    static const std::map<char32_t, HexGlyph> glyphs = [] {
        std::map<char32_t, HexGlyph> result;
        std::ifstream file("/usr/share/unifont/unifont.hex");
        std::string line;
        while (std::getline(file, line)) {
            const size_t colon = line.find(':');
            const std::string bits = line.substr(colon + 1);
            HexGlyph glyph;
            glyph.width = int(bits.size()) / 4;
            const size_t digits = size_t(glyph.width) / 4;
            for (int y = 0; y < GlyphHeight; ++y) {
                const unsigned row = unsigned(std::stoul(bits.substr(y * digits, digits), nullptr, 16));
                glyph.rows[y] = uint16_t(row << (16 - glyph.width));
            }
            result[char32_t(std::stoul(line.substr(0, colon), nullptr, 16))] = glyph;
        }
        return result;
    }();
    return glyphs;
}

const HexGlyph& Hex(char32_t c) {
    static const HexGlyph none;
    const auto found = UnifontHex().find(c);
    return found == UnifontHex().end() ? none : found->second;
}

// Every pixel differs from its neighbours, so a pixel set by mistake is always seen.
Canvas Patterned(int width, int height) {
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) canvas.Row(y)[x] = Rgb(uint8_t(x), uint8_t(y), 0x5A);
    return canvas;
}

struct Placed {
    char32_t code;
    int x, y;
};

// What `before` should look like with the given glyphs drawn from the .hex bits, cut to `area`.
Canvas Expected(const Canvas& before, const std::vector<Placed>& placed, PixelRect area, Colour colour) {
    Canvas expected = before;
    for (const Placed& p : placed) {
        const HexGlyph& glyph = Hex(p.code);
        for (int y = 0; y < GlyphHeight; ++y)
            for (int x = 0; x < glyph.width; ++x) {
                const int px = p.x + x, py = p.y + y;
                if ((glyph.rows[y] & (0x8000 >> x)) && px >= area.left && px < area.right &&
                    py >= area.top && py < area.bottom)
                    expected.Row(py)[px] = colour;
            }
    }
    return expected;
}

testing::AssertionResult SamePixels(const Canvas& actual, const Canvas& expected) {
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            if (actual.Pixel(x, y) != expected.Pixel(x, y))
                return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                   << actual.Pixel(x, y) << ", expected " << expected.Pixel(x, y);
    return testing::AssertionSuccess();
}

constexpr Colour Ink = Rgb(0xF0, 0x20, 0x90);

}  // namespace

TEST(Font, TableMatchesTheHexFileAndCoversTheInterfaceBlocks) {
    ASSERT_GT(UnifontHex().size(), 50000u) << "cannot read /usr/share/unifont/unifont.hex";
    const std::pair<char32_t, char32_t> required[] = {
        {0x0000, 0x00FF}, {0x2000, 0x206F}, {0x3000, 0x303F}, {0x4E00, 0x9FFF}, {0xFF00, 0xFFEF}};
    for (const auto& [code, hex] : UnifontHex()) {
        const std::optional<Glyph> glyph = FindGlyph(code);
        bool isRequired = false;
        for (const auto& [first, last] : required) isRequired |= code >= first && code <= last;
        if (!glyph) {
            EXPECT_FALSE(isRequired) << "no glyph for U+" << std::hex << uint32_t(code);
            continue;
        }
        ASSERT_EQ(glyph->width, hex.width) << std::hex << uint32_t(code);
        for (int y = 0; y < GlyphHeight; ++y) ASSERT_EQ(glyph->Row(y), hex.rows[y]) << std::hex << uint32_t(code);
    }
    // The runs must tile the byte array exactly, or a lookup could read past it.
    int64_t end = 0;
    for (int i = 0; i < GlyphRunCount; ++i) {
        const GlyphRun& run = GlyphRuns[i];
        EXPECT_TRUE(run.width == 8 || run.width == 16);
        EXPECT_LE(uint32_t(run.first), uint32_t(run.last));
        if (i > 0) {
            EXPECT_GT(uint32_t(run.first), uint32_t(GlyphRuns[i - 1].last));
        }
        EXPECT_EQ(run.offset, end);
        end += int64_t(run.last - run.first + 1) * run.width * 2;
    }
    EXPECT_EQ(end, GlyphBitsSize);
}

TEST(Font, GlyphWidths) {
    const struct { char32_t code; int width; } cases[] = {
        {U'A', 8}, {U' ', 8}, {U'~', 8}, {0xE9, 8}, {0xFF, 8},   // ASCII, Latin-1
        {0x4E00, 16}, {0x9F8D, 16},                              // ideographs
        {0xFF01, 16}, {0xFF61, 8},                               // fullwidth and halfwidth forms
        {0x3002, 16}, {0x2026, 8}, {0xFFFD, 8},                  // punctuation, replacement
        {0xAC00, 0}, {0x1F600, 0}, {0x10FFFF, 0}, {0x110000, 0}  // not embedded
    };
    for (const auto& c : cases) {
        const std::optional<Glyph> glyph = FindGlyph(c.code);
        EXPECT_EQ(glyph ? glyph->width : 0, c.width) << "U+" << std::hex << uint32_t(c.code);
    }
}

TEST(Font, DecodeUtf8) {
    const char32_t R = ReplacementCharacter;
    const struct { std::string bytes; std::u32string codes; } cases[] = {
        {"A", U"A"}, {std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
        {"\xC3\xA9", U"\u00E9"}, {"\xE4\xB8\x80", U"\u4E00"}, {"\xF0\x9F\x98\x80", U"\U0001F600"},
        {"\x80", {R}}, {"\xBF" "A", {R, U'A'}},                 // stray continuation bytes
        {"\xC3", {R}}, {"\xE4\xB8", {R}}, {"\xF0\x9F\x98", {R}},  // cut off at the end
        {"\xE4\xB8" "A", {R, U'A'}}, {"\xE4" "\xC3\xA9", {R, 0xE9}},  // cut off by the next character
        {"\xC0\xAF", {R, R}}, {"\xE0\x80\x80", {R, R, R}},      // overlong
        {"\xED\xA0\x80", {R, R, R}}, {"\xF4\x90\x80\x80", {R, R, R, R}},  // surrogate, above U+10FFFF
        {"\xF5\xFF\xFE", {R, R, R}},
    };
    for (const auto& c : cases) {
        // An exact-size copy, so reading one byte too far shows under AddressSanitizer.
        const std::vector<char> bytes(c.bytes.begin(), c.bytes.end());
        const std::string_view text(bytes.data(), bytes.size());
        std::u32string decoded;
        for (size_t position = 0; position < text.size();) decoded += DecodeUtf8(text, position);
        EXPECT_EQ(decoded, c.codes) << testing::PrintToString(c.bytes);
    }
}

TEST(Font, TextWidth) {
    const struct { const char* text; int width; } cases[] = {
        {"", 0}, {"A", 8}, {"载入地图", 64}, {"一A", 24}, {"A\n\tB", 16},
        {"\xE4\xB8", 8},            // U+FFFD
        {"\xEA\xB0\x80", 16},       // U+AC00: no glyph, a wide box
        {"\xD4\x80", 8},            // U+0500: no glyph, a narrow box
        {"\xEF\xBB\xBF" "A", 8},    // byte order mark takes no room
    };
    for (const auto& c : cases) EXPECT_EQ(TextWidth(c.text), c.width) << c.text;
}

TEST(DrawText, PlacesGlyphsByLayout) {
    const struct { const char* text; PixelRect rect; TextLayout layout; std::vector<Placed> placed; } cases[] = {
        {"A", {10, 20, 110, 50}, TextLayout::LeftMiddle, {{U'A', 10, 27}}},
        {"A", {10, 20, 110, 45}, TextLayout::LeftMiddle, {{U'A', 10, 24}}},
        {"A", {10, 20, 110, 29}, TextLayout::LeftMiddle, {{U'A', 10, 17}}},  // shorter than a glyph
        {"█", {10, 20, 110, 29}, TextLayout::LeftMiddle, {{0x2588, 10, 17}}},  // and cut at the top
        {"A", {10, 20, 110, 50}, TextLayout::Centred, {{U'A', 56, 27}}},
        {"A", {10, 20, 111, 50}, TextLayout::Centred, {{U'A', 56, 27}}},
        {"A", {10, 20, 110, 50}, TextLayout::TopLeftLines, {{U'A', 10, 20}}},
        {"一A", {0, 0, 100, 16}, TextLayout::Centred, {{0x4E00, 38, 0}, {U'A', 54, 0}}},
        // 64 pixels in a 60-pixel button overhang 2 on each side and are cut there.
        {"载入地图", {100, 50, 160, 70}, TextLayout::Centred,
         {{0x8F7D, 98, 52}, {0x5165, 114, 52}, {0x5730, 130, 52}, {0x56FE, 146, 52}}},
        // Line feeds break lines only where lines are wanted; control characters draw nothing.
        {"A\nB\n\n一", {5, 3, 200, 120}, TextLayout::TopLeftLines,
         {{U'A', 5, 3}, {U'B', 5, 19}, {0x4E00, 5, 51}}},
        {"A\r\nB", {5, 3, 200, 120}, TextLayout::TopLeftLines, {{U'A', 5, 3}, {U'B', 5, 19}}},
        {"A\nB", {5, 3, 200, 35}, TextLayout::LeftMiddle, {{U'A', 5, 11}, {U'B', 13, 11}}},
        {"\tA", {5, 3, 200, 19}, TextLayout::LeftMiddle, {{U'A', 5, 3}}},
        {"AB", {5, 3, 12, 19}, TextLayout::TopLeftLines, {{U'A', 5, 3}, {U'B', 13, 3}}},  // cut at 12
    };
    for (const auto& c : cases) {
        Canvas canvas = Patterned(200, 120);
        const Canvas expected = Expected(canvas, c.placed, c.rect, Ink);
        canvas.DrawText(c.text, c.rect, Ink, c.layout);
        EXPECT_TRUE(SamePixels(canvas, expected)) << c.text << " in layout " << int(c.layout);
    }
}

TEST(DrawText, KeepsToTheClipRectangle) {
    const PixelRect clip{7, 24, 60, 40};
    Canvas canvas = Patterned(200, 120);
    canvas.SetClip(clip);
    // The first line lies wholly above the clip rectangle, the last wholly below it.
    const Canvas expected = Expected(
        canvas, {{0x4E00, 0, 20}, {0x2588, 16, 20}, {U'C', 24, 20}, {0x2588, 0, 36}, {U'g', 0, 52}}, clip, Ink);
    canvas.DrawText("X\n一█C\n█\ng", {0, 4, 200, 120}, Ink, TextLayout::TopLeftLines);
    EXPECT_TRUE(SamePixels(canvas, expected));
}

TEST(DrawText, MissingGlyphDrawsABoxOfItsWidth) {
    const struct { const char* text; int boxWidth; } cases[] = {
        {"\xD4\x80" "A", 8},         // U+0500
        {"\xEA\xB0\x80" "A", 16},    // U+AC00
        {"\xF0\x9F\x98\x80" "A", 16} // U+1F600
    };
    for (const auto& c : cases) {
        Canvas canvas(40, 16, 0);
        canvas.DrawText(c.text, {0, 0, 40, 16}, Ink, TextLayout::TopLeftLines);
        int lit = 0, right = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < c.boxWidth; ++x)
                if (canvas.Pixel(x, y) == Ink) ++lit, right = std::max(right, x + 1);
        EXPECT_GT(lit, 16) << c.text;
        EXPECT_GT(right, c.boxWidth - 4) << c.text;
        // The A after it starts where the box ends.
        Canvas alone(40, 16, 0);
        alone.DrawText("A", {c.boxWidth, 0, 40, 16}, Ink, TextLayout::TopLeftLines);
        for (int x = c.boxWidth; x < 40; ++x)
            for (int y = 0; y < 16; ++y) ASSERT_EQ(canvas.Pixel(x, y), alone.Pixel(x, y)) << c.text;
    }
}

TEST(DrawText, GarbageStaysInsideItsRectangle) {
    std::mt19937 random(1234);
    const PixelRect rects[] = {{30, 30, 90, 60}, {-50, -50, 250, 20},
                               {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {150, 100, 400, 400}};
    for (int round = 0; round < 300; ++round) {
        std::vector<char> bytes(random() % 40);
        for (char& b : bytes) b = char(random() % 4 == 0 ? 0xE4 : random());  // lead bytes are frequent
        const PixelRect rect = rects[round % 4];
        const TextLayout layout = TextLayout(round % 3);
        Canvas canvas = Patterned(200, 120);
        const Canvas before = canvas;
        canvas.DrawText(std::string_view(bytes.data(), bytes.size()), rect, Ink, layout);
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 200; ++x)
                if (x < rect.left || x >= rect.right || y < rect.top || y >= rect.bottom) {
                    ASSERT_EQ(canvas.Pixel(x, y), before.Pixel(x, y)) << round;
                }
    }
}
