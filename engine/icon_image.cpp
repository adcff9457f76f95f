// .ico decoding: the colour image goes through our bitmap decoder, the AND mask
// that follows it decides which pixels are see-through.
#include "engine/icon_image.h"

#include "engine/bitmap.h"

namespace {

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

}  // namespace

bool DecodeIcon(std::span<const uint8_t> ico, IconImage& image) {
    constexpr size_t DirectorySize = 6, EntrySize = 16, InfoHeaderSize = 40;
    if (ico.size() < DirectorySize + EntrySize) return false;
    if (ico[0] != 0 || ico[1] != 0 || ico[2] != 1 || ico[3] != 0 || (ico[4] | ico[5]) == 0) return false;
    const uint32_t length = ReadU32(ico, DirectorySize + 8);
    const uint32_t offset = ReadU32(ico, DirectorySize + 12);
    if (offset > ico.size() || length > ico.size() - offset || length < InfoHeaderSize) return false;
    std::vector<uint8_t> dib(ico.begin() + offset, ico.begin() + offset + length);
    // The info header counts the colour image and the mask together: twice the height.
    const int32_t doubledHeight = int32_t(ReadU32(dib, 8));
    const int32_t width = int32_t(ReadU32(dib, 4));
    if (width <= 0 || width > 256 || doubledHeight <= 0 || doubledHeight > 512) return false;
    const int32_t height = doubledHeight / 2;
    dib[8] = uint8_t(height);
    dib[9] = uint8_t(height >> 8);
    dib[10] = dib[11] = 0;
    const uint16_t bits = uint16_t(dib[14] | dib[15] << 8);
    // The loader reads a declared image size as a hint only; clearing it keeps the
    // mask bytes from being mistaken for pixels.
    dib[20] = dib[21] = dib[22] = dib[23] = 0;
    Bitmap colours;
    if (!colours.LoadFromResourceBytes(dib)) return false;

    uint32_t tableEntries = ReadU32(dib, 32);
    if (tableEntries == 0 && bits <= 8) tableEntries = 1u << bits;
    const size_t headerSize = ReadU32(dib, 0);
    const size_t colourRow = ((size_t(width) * bits + 31) / 32) * 4;
    const size_t maskRow = ((size_t(width) + 31) / 32) * 4;
    const size_t maskStart = headerSize + size_t(tableEntries) * 4 + colourRow * size_t(height);

    image.width = width;
    image.height = height;
    image.argb.assign(size_t(width) * size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        const size_t maskRowStart = maskStart + maskRow * size_t(height - 1 - y);  // bottom-up
        for (int x = 0; x < width; ++x) {
            const size_t at = maskRowStart + size_t(x / 8);
            const bool seeThrough = at < dib.size() && (dib[at] >> (7 - x % 8) & 1) != 0;
            const uint32_t colour = colours.Pixels()[size_t(y) * size_t(width) + size_t(x)];
            image.argb[size_t(y) * size_t(width) + size_t(x)] = seeThrough ? 0 : (0xFF000000u | colour);
        }
    }
    return true;
}
