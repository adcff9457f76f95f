// libpng's simplified interface does the whole file in one call each way.
#include "tools/level_tool/png_image.h"

#include <png.h>

namespace {

constexpr int BytesPerPixel = 3;

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
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(canvas.Width());
    image.height = png_uint_32(canvas.Height());
    image.format = PNG_FORMAT_RGB;
    const png_int_32 stride = png_int_32(canvas.Width() * BytesPerPixel);
    // The first call sizes the file, the second writes it.
    png_alloc_size_t size = 0;
    if (png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), stride, nullptr) != 0) {
        png.resize(size);
        if (png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), stride, nullptr) != 0) {
            png.resize(size);
            return true;
        }
    }
    error = std::string("cannot encode the PNG: ") + image.message;
    png_image_free(&image);
    png.clear();
    return false;
}

bool DecodePng(const std::vector<uint8_t>& png, Canvas& canvas, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, png.data(), png.size()) == 0) {
        error = std::string("cannot read the PNG: ") + image.message;
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
        error = std::string("cannot read the PNG: ") + image.message;
        png_image_free(&image);
        return false;
    }
    canvas.Resize(int(image.width), int(image.height));
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const uint8_t* pixel = &rgb[(size_t(y) * image.width + size_t(x)) * BytesPerPixel];
            canvas.Row(y)[x] = Rgb(pixel[0], pixel[1], pixel[2]);
        }
    return true;
}
