// Bitmap: loading from BMP files and bitmap resources, filled blocks, drawing.
#include "engine/bitmap.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>
#include <vector>

#include "engine/dib_decoder.h"
#include "engine/platform.h"

namespace {

constexpr size_t FileHeaderBytes = 14;
constexpr size_t InfoHeaderBytes = 40;
// Room for any real info header with its masks and a full colour table; the
// headers of a file that claims more are not read.
constexpr uint64_t MaxHeaderBytes = 64 * 1024;

bool ReadExactly(std::ifstream& in, uint8_t* into, size_t count) {
    in.read(reinterpret_cast<char*>(into), std::streamsize(count));
    return in && size_t(in.gcount()) == count;
}

uint32_t Read32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16) |
           (uint32_t(bytes[3]) << 24);
}

}  // namespace

bool Bitmap::Fail() {
    Release();
    width = 0;
    height = 0;
    return false;
}

bool Bitmap::Take(std::unique_ptr<Colour[]> pixels, int pictureWidth, int pictureHeight) {
    if (!pixels) return Fail();
    handle = std::move(pixels);
    width = pictureWidth;
    height = pictureHeight;
    return true;
}

bool Bitmap::LoadFromFile(const std::string& path) {
    Release();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return Fail();
    const uintmax_t fileSize = std::filesystem::file_size(path, error);
    if (error || fileSize < FileHeaderBytes + InfoHeaderBytes) return Fail();

    // Closed on every return.
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail();
    std::array<uint8_t, FileHeaderBytes> fileHeader{};
    if (!ReadExactly(in, fileHeader.data(), fileHeader.size())) return Fail();
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') return Fail();

    // The pixel array follows the headers and starts inside the file.
    const uint32_t pixelOffset = Read32(fileHeader.data() + 10);
    if (pixelOffset < FileHeaderBytes + InfoHeaderBytes || pixelOffset > fileSize) return Fail();

    try {
        std::vector<uint8_t> headers(size_t(std::min<uint64_t>(pixelOffset - FileHeaderBytes, MaxHeaderBytes)));
        if (!ReadExactly(in, headers.data(), headers.size())) return Fail();
        const std::optional<dib::Format> format = dib::ReadFormat(headers);
        if (!format) return Fail();

        // Only the real pixel area is read; a short file leaves the rest black.
        std::vector<uint8_t> pixels(size_t(std::min<uint64_t>(fileSize - pixelOffset, format->pixelAreaBytes)));
        in.seekg(std::streamoff(pixelOffset));
        if (!in) return Fail();
        in.read(reinterpret_cast<char*>(pixels.data()), std::streamsize(pixels.size()));
        pixels.resize(size_t(in.gcount()));
        return Take(dib::DecodePixels(*format, pixels), format->width, format->height);
    } catch (const std::bad_alloc&) {
        return Fail();
    }
}

bool Bitmap::LoadFromResource(uint16_t resourceId) {
    Release();
    const std::span<const uint8_t> bytes = platform::BitmapResource(resourceId);
    if (bytes.empty()) return Fail();
    return LoadFromResourceBytes(bytes);
}

bool Bitmap::LoadFromResourceBytes(std::span<const uint8_t> bytes) {
    Release();
    const std::optional<dib::Format> format = dib::ReadFormat(bytes);
    if (!format) return Fail();
    // A resource's pixels follow its colour table directly.
    return Take(dib::DecodePixels(*format, bytes.subspan(format->headerBytes)), format->width,
                format->height);
}

bool Bitmap::CreateFilled(int fillWidth, int fillHeight, Colour colour) {
    Release();
    if (fillWidth <= 0 || fillHeight <= 0 || fillWidth > dib::MaxSide || fillHeight > dib::MaxSide ||
        int64_t(fillWidth) * fillHeight > dib::MaxPixels)
        return Fail();
    const size_t count = size_t(fillWidth) * size_t(fillHeight);
    std::unique_ptr<Colour[]> pixels(new (std::nothrow) Colour[count]);
    if (!pixels) return Fail();
    std::fill(pixels.get(), pixels.get() + count, colour & 0xFFFFFF);
    return Take(std::move(pixels), fillWidth, fillHeight);
}

void Bitmap::Blit(Canvas& target, int x, int y, bool transparent, Colour transparentColour) const {
    if (!handle) return;
    // Wholly past the surface; this also keeps x + width within an int for the clipping.
    if (x >= target.Width() || y >= target.Height()) return;
    const int rows = height < 0 ? -height : height;
    target.BlitPixels(handle.get(), width, rows, x, y, transparent, transparentColour & 0xFFFFFF);
}
