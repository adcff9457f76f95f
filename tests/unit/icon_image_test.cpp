#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/icon_image.h"

namespace {

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// A 16-colour icon whose left half is palette entry 1 (red) and right half entry 2
// (blue); the AND mask makes the top row see-through.
std::vector<uint8_t> MakeIcon(int size) {
    std::vector<uint8_t> image;
    Put32(image, 40);
    Put32(image, uint32_t(size));
    Put32(image, uint32_t(size * 2));
    Put16(image, 1);
    Put16(image, 4);
    for (int i = 0; i < 6; ++i) Put32(image, 0);
    const uint32_t palette[16] = {0, 0x00FF0000, 0x000000FF};
    for (uint32_t colour : palette) Put32(image, colour);
    const int colourRow = ((size * 4 + 31) / 32) * 4;
    for (int y = 0; y < size; ++y)
        for (int b = 0; b < colourRow; ++b) image.push_back(b < size / 4 ? 0x11 : 0x22);
    const int maskRow = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y)  // rows bottom-up
        for (int b = 0; b < maskRow; ++b) image.push_back(y == 0 ? 0xFF : 0x00);

    std::vector<uint8_t> ico;
    Put16(ico, 0);
    Put16(ico, 1);
    Put16(ico, 1);
    ico.push_back(uint8_t(size));
    ico.push_back(uint8_t(size));
    ico.push_back(16);
    ico.push_back(0);
    Put16(ico, 1);
    Put16(ico, 4);
    Put32(ico, uint32_t(image.size()));
    Put32(ico, 22);
    ico.insert(ico.end(), image.begin(), image.end());
    return ico;
}

TEST(IconImage, DecodesColoursAndTheSeeThroughMask) {
    IconImage icon;
    ASSERT_TRUE(DecodeIcon(MakeIcon(32), icon));
    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    EXPECT_EQ(icon.argb[0], 0u);                           // top row masked out
    EXPECT_EQ(icon.argb[32 * 5 + 3], 0xFFFF0000u);         // left half red
    EXPECT_EQ(icon.argb[32 * 31 + 31], 0xFF0000FFu);       // right half blue
}

TEST(IconImage, RefusesDamagedFilesWithoutReadingPastThem) {
    const std::vector<uint8_t> good = MakeIcon(32);
    struct Case {
        const char* name;
        size_t keep;
        size_t patchAt;
        uint8_t patch;
    };
    const Case cases[] = {
        {"empty", 0, 0, 0},
        {"directory only", 6, 0, 0},
        {"not an icon", good.size(), 2, 2},
        {"image offset past the end", good.size(), 18, 0xF0},
        {"image cut short", 100, 0, 0},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes(good.begin(), good.begin() + long(c.keep));
        if (c.patchAt != 0 && c.patchAt < bytes.size()) bytes[c.patchAt] = c.patch;
        IconImage icon;
        EXPECT_FALSE(DecodeIcon(bytes, icon)) << c.name;
    }
}

}  // namespace
