// Device-independent bitmap decoding; every size is computed in 64 bits and
// checked against the bytes at hand before it is used.
#include "engine/dib_decoder.h"

#include <algorithm>
#include <new>

namespace dib {
namespace {

constexpr size_t InfoHeaderBytes = 40;
constexpr size_t MaskBytes = 12;  // red, green and blue masks of BI_BITFIELDS
// The longer headers hold the masks themselves from this size on.
constexpr uint32_t HeaderWithMasksBytes = 52;
constexpr size_t MaxPaletteEntries = 256;

constexpr uint32_t CompressionRgb = 0;
constexpr uint32_t CompressionBitfields = 3;

constexpr uint32_t RedMask = 0x00FF0000;
constexpr uint32_t GreenMask = 0x0000FF00;
constexpr uint32_t BlueMask = 0x000000FF;

uint16_t Read16(std::span<const uint8_t> bytes, size_t offset) {
    return uint16_t(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t Read32(std::span<const uint8_t> bytes, size_t offset) {
    return uint32_t(bytes[offset]) | (uint32_t(bytes[offset + 1]) << 8) |
           (uint32_t(bytes[offset + 2]) << 16) | (uint32_t(bytes[offset + 3]) << 24);
}

bool IsKnownDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

// Where the three masks of a BI_BITFIELDS image sit, or nothing for a header too
// short to hold them and too long to be followed by them.
std::optional<size_t> MaskOffset(uint32_t headerSize) {
    if (headerSize >= HeaderWithMasksBytes) return InfoHeaderBytes;
    if (headerSize == InfoHeaderBytes) return InfoHeaderBytes;
    return std::nullopt;
}

Colour IndexedColour(const Format& format, unsigned index) {
    return index < unsigned(format.paletteSize) ? format.palette[index] : 0;
}

void DecodeRow(const Format& format, const uint8_t* row, int count, Colour* out) {
    switch (format.bitsPerPixel) {
    case 1:
        for (int x = 0; x < count; ++x)
            out[x] = IndexedColour(format, (row[x / 8] >> (7 - x % 8)) & 1);
        break;
    case 4:
        for (int x = 0; x < count; ++x)
            out[x] = IndexedColour(format, (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF);
        break;
    case 8:
        for (int x = 0; x < count; ++x) out[x] = IndexedColour(format, row[x]);
        break;
    case 24:
        for (int x = 0; x < count; ++x) {
            const uint8_t* p = row + size_t(x) * 3;
            out[x] = Rgb(p[2], p[1], p[0]);
        }
        break;
    case 32:
        // The fourth byte is unused (or alpha, which a keyed blit has no use for).
        for (int x = 0; x < count; ++x) {
            const uint8_t* p = row + size_t(x) * 4;
            out[x] = Rgb(p[2], p[1], p[0]);
        }
        break;
    default:
        break;
    }
}

}  // namespace

std::optional<Format> ReadFormat(std::span<const uint8_t> headers) {
    if (headers.size() < InfoHeaderBytes) return std::nullopt;
    const uint32_t headerSize = Read32(headers, 0);
    if (headerSize < InfoHeaderBytes || headerSize > headers.size()) return std::nullopt;

    const int32_t width = int32_t(Read32(headers, 4));
    const int32_t height = int32_t(Read32(headers, 8));
    const uint16_t planes = Read16(headers, 12);
    const uint16_t bits = Read16(headers, 14);
    const uint32_t compression = Read32(headers, 16);
    const uint32_t coloursUsed = Read32(headers, 32);

    if (planes != 1 || !IsKnownDepth(bits)) return std::nullopt;
    // In 64 bits: -INT32_MIN does not fit an int.
    const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
    if (width <= 0 || width > MaxSide || rows == 0 || rows > MaxSide) return std::nullopt;
    if (int64_t(width) * rows > MaxPixels) return std::nullopt;

    uint64_t tableStart = headerSize;
    if (compression == CompressionBitfields) {
        // Only the layout of a plain 32-bit image is taken in this form.
        const std::optional<size_t> maskOffset = MaskOffset(headerSize);
        if (bits != 32 || !maskOffset) return std::nullopt;
        if (*maskOffset + MaskBytes > headers.size()) return std::nullopt;
        if (Read32(headers, *maskOffset) != RedMask || Read32(headers, *maskOffset + 4) != GreenMask ||
            Read32(headers, *maskOffset + 8) != BlueMask)
            return std::nullopt;
        if (headerSize == InfoHeaderBytes) tableStart += MaskBytes;
    } else if (compression != CompressionRgb) {
        return std::nullopt;
    }

    // No count at 8 bits or fewer means the full table.
    uint64_t entries = coloursUsed;
    if (entries == 0 && bits <= 8) entries = uint64_t(1) << bits;
    if (entries > MaxPaletteEntries) return std::nullopt;
    const uint64_t tableEnd = tableStart + entries * 4;
    if (tableEnd > headers.size()) return std::nullopt;

    Format format;
    format.width = width;
    format.height = height;
    format.rows = int(rows);
    format.bitsPerPixel = bits;
    if (bits <= 8) {
        format.paletteSize = int(entries);
        for (size_t i = 0; i < entries; ++i) {
            const size_t at = size_t(tableStart) + i * 4;  // blue, green, red, unused
            format.palette[i] = Rgb(headers[at + 2], headers[at + 1], headers[at]);
        }
    }
    format.headerBytes = size_t(tableEnd);
    format.stride = size_t((uint64_t(width) * bits + 31) / 32 * 4);
    format.pixelAreaBytes = format.stride * size_t(rows);
    return format;
}

std::unique_ptr<Colour[]> DecodePixels(const Format& format, std::span<const uint8_t> pixels) {
    const size_t count = size_t(format.width) * size_t(format.rows);
    std::unique_ptr<Colour[]> result(new (std::nothrow) Colour[count]());
    if (!result) return nullptr;

    const size_t available = std::min(pixels.size(), format.pixelAreaBytes);
    for (size_t stored = 0; stored < size_t(format.rows); ++stored) {
        const size_t offset = stored * format.stride;
        if (offset >= available) break;
        const size_t rowBytes = std::min(format.stride, available - offset);
        // Only pixels whose bytes are all there; the rest of a cut row stays black.
        const size_t whole = rowBytes * 8 / size_t(format.bitsPerPixel);
        const int decoded = int(std::min(whole, size_t(format.width)));
        const size_t row = format.height > 0 ? size_t(format.rows) - 1 - stored : stored;
        DecodeRow(format, pixels.data() + offset, decoded, result.get() + row * size_t(format.width));
    }
    return result;
}

}  // namespace dib
