// The file formats the artwork is written in: Windows BMP (24 bits, bottom-up),
// Windows icons (.ico, 16 colours with a transparency mask) and PNG for the contact sheet.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/canvas.h"

using Bytes = std::vector<uint8_t>;

// A 24-bit bottom-up BMP with a 40-byte info header and no colour table. `extraBytes`
// zero bytes follow the pixel rows and are counted in biSizeImage, as some painting
// programs write them.
Bytes EncodeBmp(const Canvas& picture, int extraBytes = 0);

// A one-image icon of 16 colours: `indices` are palette positions, row by row from the
// top; `transparent` marks the pixels the mask leaves out.
struct IconImage {
    int width = 32, height = 32;
    std::array<Colour, 16> palette{};
    std::vector<uint8_t> indices;
    std::vector<bool> transparent;
};
Bytes EncodeIcon(const IconImage& icon);

// PNG, 8-bit RGB, with stored (uncompressed) deflate blocks: no compression library needed.
Bytes EncodePng(const Canvas& picture);

// Writes the whole file; false when it cannot.
bool WriteFileBytes(const std::string& path, const Bytes& bytes);
