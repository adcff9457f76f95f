#include "tools/level_tool/png_image.h"

// The writer's code is compiled here, and only here: its functions stay private to
// this file, and it never opens a file itself.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace {

constexpr int BytesPerPixel = 3;

void AppendBytes(void* context, void* data, int size) {
    auto& png = *static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    png.insert(png.end(), bytes, bytes + size);
}

}  // namespace

bool EncodePng(const Canvas& canvas, std::vector<uint8_t>& png, std::string& error) {
    png.clear();
    if (canvas.IsEmpty()) {
        error = "nothing to write: the picture is empty";
        return false;
    }
    std::vector<uint8_t> rgb;
    rgb.reserve(size_t(canvas.Width()) * size_t(canvas.Height()) * BytesPerPixel);
    for (const Colour pixel : canvas.Pixels()) {
        rgb.push_back(RedOf(pixel));
        rgb.push_back(GreenOf(pixel));
        rgb.push_back(BlueOf(pixel));
    }
    if (stbi_write_png_to_func(AppendBytes, &png, canvas.Width(), canvas.Height(), BytesPerPixel, rgb.data(),
                               canvas.Width() * BytesPerPixel) == 0) {
        error = "cannot encode the PNG: out of memory";
        png.clear();
        return false;
    }
    return true;
}
