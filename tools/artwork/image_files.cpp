// Byte-exact encoders: every field is written explicitly, little-endian for the Windows
// formats and big-endian for PNG, so the output does not depend on the host.
#include "tools/artwork/image_files.h"

#include <fstream>

namespace {

void PutLittle16(Bytes& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void PutLittle32(Bytes& out, uint32_t v) {
    PutLittle16(out, v & 0xFFFF);
    PutLittle16(out, v >> 16);
}
void PutBig32(Bytes& out, uint32_t v) {
    out.push_back(uint8_t(v >> 24));
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void PutInfoHeader(Bytes& out, int width, int height, int bitCount, uint32_t imageSize) {
    PutLittle32(out, 40);
    PutLittle32(out, uint32_t(width));
    PutLittle32(out, uint32_t(height));
    PutLittle16(out, 1);  // planes
    PutLittle16(out, uint32_t(bitCount));
    PutLittle32(out, 0);  // uncompressed
    PutLittle32(out, imageSize);
    PutLittle32(out, 2835);  // 72 dots per inch
    PutLittle32(out, 2835);
    PutLittle32(out, 0);  // colours used: all the bit count allows
    PutLittle32(out, 0);  // important colours: all
}

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PutPngChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBig32(out, uint32_t(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBig32(out, Crc32(typed.data(), typed.size()));
}

}  // namespace

Bytes EncodeBmp(const Canvas& picture, int extraBytes) {
    const int width = picture.Width(), height = picture.Height();
    const int stride = (width * 3 + 3) / 4 * 4;
    const uint32_t imageSize = uint32_t(stride * height + extraBytes);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    PutLittle32(out, 14 + 40 + imageSize);
    PutLittle32(out, 0);
    PutLittle32(out, 14 + 40);
    PutInfoHeader(out, width, height, 24, imageSize);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Colour c = picture.Pixel(x, y);
            out.push_back(BlueOf(c));
            out.push_back(GreenOf(c));
            out.push_back(RedOf(c));
        }
        for (int pad = width * 3; pad < stride; ++pad) out.push_back(0);
    }
    out.insert(out.end(), size_t(extraBytes), 0);
    return out;
}

Bytes EncodeIcon(const IconImage& icon) {
    const int colourStride = (icon.width / 2 + 3) / 4 * 4;
    const int maskStride = (icon.width / 8 + 3) / 4 * 4;
    const uint32_t imageSize = uint32_t((colourStride + maskStride) * icon.height);
    const uint32_t entrySize = 40 + 16 * 4 + imageSize;
    Bytes out;
    PutLittle16(out, 0);  // reserved
    PutLittle16(out, 1);  // icon, not cursor
    PutLittle16(out, 1);  // one image
    out.push_back(uint8_t(icon.width));
    out.push_back(uint8_t(icon.height));
    out.push_back(16);  // colours
    out.push_back(0);
    PutLittle16(out, 1);  // planes
    PutLittle16(out, 4);  // bits per pixel
    PutLittle32(out, entrySize);
    PutLittle32(out, 6 + 16);
    // The image is stored twice as high: colour rows, then the mask rows.
    PutInfoHeader(out, icon.width, icon.height * 2, 4, imageSize);
    for (Colour c : icon.palette) {
        out.push_back(BlueOf(c));
        out.push_back(GreenOf(c));
        out.push_back(RedOf(c));
        out.push_back(0);
    }
    for (int y = icon.height - 1; y >= 0; --y) {
        Bytes row(size_t(colourStride), 0);
        for (int x = 0; x < icon.width; ++x) {
            const uint8_t index = icon.indices[size_t(y * icon.width + x)] & 15;
            row[size_t(x / 2)] |= x % 2 == 0 ? uint8_t(index << 4) : index;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = icon.height - 1; y >= 0; --y) {
        Bytes row(size_t(maskStride), 0);
        for (int x = 0; x < icon.width; ++x)
            if (icon.transparent[size_t(y * icon.width + x)]) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Bytes EncodePng(const Canvas& picture) {
    const int width = picture.Width(), height = picture.Height();
    Bytes raw;
    raw.reserve(size_t(height) * size_t(width * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // no row filter
        for (int x = 0; x < width; ++x) {
            const Colour c = picture.Pixel(x, y);
            raw.push_back(RedOf(c));
            raw.push_back(GreenOf(c));
            raw.push_back(BlueOf(c));
        }
    }
    Bytes deflated{0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0;) {
        const size_t size = std::min<size_t>(65535, raw.size() - at);
        const bool last = at + size == raw.size();
        deflated.push_back(last ? 1 : 0);
        PutLittle16(deflated, uint32_t(size));
        PutLittle16(deflated, uint32_t(~size & 0xFFFF));
        deflated.insert(deflated.end(), raw.begin() + long(at), raw.begin() + long(at + size));
        at += size;
        if (last) break;
    }
    PutBig32(deflated, (b << 16) | a);

    Bytes out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    PutBig32(header, uint32_t(width));
    PutBig32(header, uint32_t(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    PutPngChunk(out, "IHDR", header);
    PutPngChunk(out, "IDAT", deflated);
    PutPngChunk(out, "IEND", {});
    return out;
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file.flush());
}
