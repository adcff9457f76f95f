// What must hold for any bytes taken as a bitmap resource and as a BMP file:
// they load or are refused, a loaded picture has a sane size and pixels, and
// it draws, clipped, onto a small canvas. Shared by the fuzz target and the
// unit test that replays its corpus.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>

#include "engine/bitmap.h"
#include "engine/canvas.h"
#include "engine/dib_decoder.h"

namespace fuzz_checks {

// One file per process, so parallel jobs do not read each other's input.
inline const std::string& BitmapScratchPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz_bitmap_" + std::to_string(std::random_device{}()) + ".bmp"))
            .string();
    return path;
}

inline std::string CheckLoadedBitmap(const Bitmap& bitmap, bool loaded, const char* how) {
    if (loaded == bitmap.IsEmpty()) return std::string(how) + ": result and picture disagree";
    if (!loaded) return "";
    const int rows = bitmap.Height() < 0 ? -bitmap.Height() : bitmap.Height();
    if (bitmap.Width() <= 0 || bitmap.Width() > dib::MaxSide || rows <= 0 || rows > dib::MaxSide ||
        int64_t(bitmap.Width()) * rows > dib::MaxPixels || bitmap.Pixels() == nullptr)
        return std::string(how) + ": loaded picture of impossible size";
    Canvas canvas(64, 64, 0);
    bitmap.Blit(canvas, -7, 5, true, Rgb(255, 0, 255));
    bitmap.Blit(canvas, 3, -9, false, 0);
    return "";
}

inline std::string CheckBitmapInput(std::span<const uint8_t> bytes) {
    Bitmap fromResource;
    std::string problem = CheckLoadedBitmap(fromResource, fromResource.LoadFromResourceBytes(bytes), "resource");
    if (!problem.empty()) return problem;

    {
        std::ofstream out(BitmapScratchPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) return "";  // no scratch file, nothing to load from
    }
    Bitmap fromFile;
    problem = CheckLoadedBitmap(fromFile, fromFile.LoadFromFile(BitmapScratchPath()), "file");
    std::error_code ignored;
    std::filesystem::remove(BitmapScratchPath(), ignored);
    return problem;
}

}  // namespace fuzz_checks
