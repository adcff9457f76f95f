// Fuzz target: any bytes, taken as a bitmap resource and as a BMP file, must load
// or be refused without reading or writing out of bounds, and what loads must draw.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>

#include "engine/bitmap.h"
#include "engine/canvas.h"

namespace {

// One file per fuzzing process, so parallel jobs do not read each other's input.
const std::string& ScratchPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz_bitmap_" + std::to_string(std::random_device{}()) + ".bmp"))
            .string();
    return path;
}

void CheckAndDraw(const Bitmap& bitmap, bool loaded) {
    if (loaded != !bitmap.IsEmpty()) __builtin_trap();
    if (!loaded) return;
    const int rows = bitmap.Height() < 0 ? -bitmap.Height() : bitmap.Height();
    if (bitmap.Width() <= 0 || rows <= 0 || bitmap.Pixels() == nullptr) __builtin_trap();
    Canvas canvas(64, 64, 0);
    bitmap.Blit(canvas, -7, 5, true, Rgb(255, 0, 255));
    bitmap.Blit(canvas, 3, -9, false, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);

    Bitmap fromResource;
    CheckAndDraw(fromResource, fromResource.LoadFromResourceBytes(bytes));

    {
        std::ofstream out(ScratchPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    Bitmap fromFile;
    CheckAndDraw(fromFile, fromFile.LoadFromFile(ScratchPath()));
    return 0;
}
