// Bitmap: the program's one picture type. It holds its own pixels, decoded from a
// Windows BMP file or a bitmap resource (the same data without the 14-byte file header),
// and draws them onto a Canvas opaque or keyed on one colour.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "engine/canvas.h"

class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(const std::string& path) { LoadFromFile(path); }
    explicit Bitmap(uint16_t resourceId) { LoadFromResource(resourceId); }
    Bitmap(int width, int height, Colour colour) { CreateFilled(width, height, colour); }
    virtual ~Bitmap() { Release(); }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // Each load releases what was held first, so a failed load leaves the bitmap empty.
    // Failures are silent: the result says whether it worked.
    bool LoadFromFile(const std::string& path);
    bool LoadFromResource(uint16_t resourceId);
    // Decodes the bytes of a bitmap resource: info header, colour table, pixels.
    bool LoadFromResourceBytes(std::span<const uint8_t> bytes);
    bool CreateFilled(int width, int height, Colour colour);
    // Frees the pixels; like the system bitmap it stands for, keeps width and height.
    void Release() { handle.reset(); }

    // Draws the whole picture with its top-left corner at (x, y); nothing when empty.
    void Blit(Canvas& target, int x, int y, bool transparent, Colour transparentColour) const;

    int Width() const { return width; }
    int Height() const { return height; }
    bool IsEmpty() const { return handle == nullptr; }
    // Top-down rows of Width() pixels; null when empty.
    const Colour* Pixels() const { return handle.get(); }

private:
    // A failed load leaves no picture and no size of one.
    bool Fail();
    bool Take(std::unique_ptr<Colour[]> pixels, int pictureWidth, int pictureHeight);

    std::unique_ptr<Colour[]> handle;
    int width = 0;
    int height = 0;  // as the header gives it: negative for a top-down image
};
