// Decoding a Windows .ico file (the icon groups 1000 and 1001) into pixels with
// alpha, for backends that set the window icon from pixels.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct IconImage {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;  // top-down rows, 0xAARRGGBB; the AND mask gives alpha 0
};

// The first image of the icon file; false for anything that is not a plain
// (not PNG-compressed) icon image.
bool DecodeIcon(std::span<const uint8_t> ico, IconImage& image);
