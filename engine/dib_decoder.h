// Decoding of device-independent bitmaps (the info header, colour table and pixel
// array that a BMP file and a bitmap resource share) into top-down Colour rows.
// Pure code on bytes: no files, no globals. Any input is safe: a header that
// cannot be decoded is refused, pixels the data lacks stay black.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "engine/canvas.h"

namespace dib {

// Far beyond any picture of the editor, small enough that a few header bytes
// cannot make us allocate more than 256 MiB.
constexpr int MaxSide = 16384;
constexpr int64_t MaxPixels = 64 * 1024 * 1024;

struct Format {
    int width = 0;
    int height = 0;  // as the header gives it: negative for a top-down image
    int rows = 0;    // |height|
    int bitsPerPixel = 0;
    std::array<Colour, 256> palette{};  // entries the data lacks stay black
    int paletteSize = 0;
    // Bytes from the start of the info header to the end of the colour table:
    // where a resource's pixels begin.
    size_t headerBytes = 0;
    size_t stride = 0;          // one stored row, rounded up to 4 bytes
    size_t pixelAreaBytes = 0;  // stride times rows
};

// Reads the info header and the colour table from `headers` (which starts at the
// info header). Refuses anything it cannot decode safely: unknown compression or
// depth, non-positive or absurd sizes, headers or tables running past the bytes.
std::optional<Format> ReadFormat(std::span<const uint8_t> headers);

// Decodes the pixel array into rows * width colours, top row first. Only the
// image's real pixel area is read; what `pixels` lacks stays black. Null when the
// memory cannot be had.
std::unique_ptr<Colour[]> DecodePixels(const Format& format, std::span<const uint8_t> pixels);

}  // namespace dib
